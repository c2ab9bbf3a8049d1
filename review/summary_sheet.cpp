#include "review/summary_sheet.h"

#include "review/text_log.h"

namespace korvel::review {

namespace {

// The station lines: the label in the summary file and on the printed sheet.
struct StationLabel {
    const char* file;
    const char* printed;
};
constexpr StationLabel kStationLabels[kStationLines] = {
    {"Section", "Worked in Section:"},
    {"Op's Name", "Operator's Name:"},
    {"No Operat", "No. of Operator's:"},
    {"QTH", "QTH:"},
    {"Adress", "Adress:"},
    {"Tx", "TX:"},
    {"Rx", "Rx:"},
    {"Ant1", "Ant1:"},
    {"Ant2", "Ant2:"},
    {"Ant3", "Ant3:"},
    {"Ant4", "Ant4:"},
    {"Ant5", "Club:"},
};

// The band table, from the lowest band up: its label and its index in the tallies.
struct BandLine {
    const char* label;
    int band;
};
constexpr BandLine kBandLines[] = {{"1.8", 160}, {"3.5", 80}, {"7", 40},
                                   {"14", 20},   {"21", 15},  {"28", 10}};

template <class Each> void eachBand(const SummarySheet& sheet, Each each) {
    for (const BandLine& b : kBandLines) {
        if (b.band == 160 && !sheet.with160) continue;
        each(QLatin1String(b.label), sheet.tallies[static_cast<std::size_t>(bandIndex(b.band))]);
    }
}

QString n(std::int64_t value) {
    return QString::number(value);
}

QString columns(std::initializer_list<std::pair<int, QString>> texts) {
    QString line;
    for (const auto& [column, text] : texts)
        putAt(line, column, text);
    return line;
}

} // namespace

StationValues stationValues(const SharedState& s) {
    return {s.SummaryOperators,
            s.SummaryOpName,
            s.SummaryOperatorCount > 0 ? QString::number(s.SummaryOperatorCount) : QString(),
            s.SummaryQTH,
            s.SummaryAddress,
            s.SummaryTx,
            s.SummaryRx,
            s.SummaryAnt1,
            s.SummaryAnt2,
            s.SummaryAnt3,
            s.SummaryAnt4,
            s.SummaryAnt5};
}

QStringList summaryFileLines(const SummarySheet& sheet) {
    QStringList lines;
    lines << columns(
        {{10, sheet.myCall + QLatin1String(" - SUMMARY ") + sheet.title + sheet.date}});
    for (int i = 0; i < kStationLines; ++i)
        lines << columns({{10, QLatin1String(kStationLabels[i].file)}, {25, sheet.station[i]}});
    lines << QString();
    lines << columns({{10, QStringLiteral("Band")},
                      {34, QStringLiteral("Points")},
                      {44, QStringLiteral("Mult.")},
                      {54, QStringLiteral("Score")}});
    eachBand(sheet, [&](const QString& label, const BandTally& t) {
        lines << columns({{10, label}, {24, n(t.qsos)}, {34, n(t.points)}, {44, n(t.mults)}});
    });
    const Totals& c = sheet.claimed;
    lines << columns({{10, QStringLiteral("TOTAL")},
                      {24, n(c.qsos)},
                      {34, n(c.points)},
                      {44, n(c.mults)},
                      {54, n(c.score())}});
    lines << QString();
    for (const char* text :
         {"Prin prezenta confirm ca la inregistrarea fisierelor",
          "in log, am acceptat urmatorul text:",
          "PRIN EXPEDIEREA LOGULUI ELECTRONIC DECLAR CA AM OPERAT",
          "STATIA IN LIMITELE LICENTEI SI RESPECTIND REGULAMENTUL", "DE CONCURS !!!",
          "I hereby certify that in the contest I have operated",
          " the transmitter within the limitation of my licence",
          " and observed the rules and regulation !!!"})
        lines << columns({{10, QLatin1String(text)}});
    return lines;
}

PrintedDocument printedSummary(const SummarySheet& sheet) {
    PrintedDocument doc;
    PrintedPage& page = doc.pages.emplace_back();
    const auto row = [&](int size, std::initializer_list<std::pair<int, QString>> texts) {
        PrintRow r{size, {}};
        for (const auto& [column, text] : texts)
            r.cells.push_back({column, text});
        page.push_back(std::move(r));
    };
    const auto empty = [&](int size, int count) {
        for (int i = 0; i < count; ++i)
            page.push_back({size, {}});
    };
    empty(20, 5);
    row(20, {{15, sheet.myCall + QLatin1String(" - SUMMARY ")}});
    if (!sheet.title.isEmpty()) row(20, {{15, sheet.title + sheet.date}});
    empty(20, 2);
    for (int i = 0; i < kStationLines; ++i)
        row(14, {{10, QLatin1String(kStationLabels[i].printed)}, {30, sheet.station[i]}});
    row(12, {{12, QStringLiteral("Band")},
             {20, QStringLiteral("No.QSO")},
             {30, QStringLiteral("Points")},
             {50, QStringLiteral("Score")}});
    eachBand(sheet, [&](const QString& label, const BandTally& t) {
        row(12, {{14, label}, {24, n(t.qsos)}, {34, n(t.points)}, {44, n(t.mults)}});
    });
    const Totals& c = sheet.claimed;
    row(12,
        {{12, QStringLiteral("TOTAL")}, {21, n(c.qsos)}, {31, n(c.points)}, {49, n(c.score())}});
    empty(12, 2);
    for (const char* text : {" I hereby certify that in the contest I have",
                             " operated the transmitter within  the  limi-",
                             " tation of my licence and observed the rules", " and regulation"})
        row(16, {{11, QLatin1String(text)}});
    empty(16, 2);
    row(16, {{11, QStringLiteral("Date..............   Op(s) signature...................")}});
    return doc;
}

} // namespace korvel::review
