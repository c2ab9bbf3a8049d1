// Call analysis on the desk: from the typed call to country, zones, beam, prefilled
// reports and exchange, and the contest's admission rules.
#include "desk/desk_form.h"

#include "scoring/call_analysis.h"
#include "scoring/contest_rules.h"
#include "scoring/exchange_tables.h"
#include "scoring/points.h"
#include "core/paths.h"

namespace korvel {

namespace colour = forms::colour;
using store::LearnedTable;

namespace {

bool isLive(const SharedState& s) {
    return s.OffLineInput != 100;
}

const char* const kScandinavian[] = {"JX", "JW", "LA", "OH0", "OH", "OJ0",
                                     "OY", "OX", "OZ", "TF",  "SM"};

bool isScandinavian(const QString& pfx) {
    for (const char* p : kScandinavian)
        if (pfx == QLatin1String(p)) return true;
    return false;
}

} // namespace

void DeskForm::analyseCall() {
    rejected_ = false;
    const QString raw = scoring::normaliseCall(text("txtIndic"));
    s_.RawCall = raw;
    s_.LookupCall = raw.trimmed();
    if (s_.LookupCall.isEmpty()) return;
    if (s_.LookupCall.size() < 3) {
        focusCall();
        return;
    }
    const int code = s_.ContestCode;
    const QString call = s_.LookupCall.toUpper();

    // A different call than the one analysed before starts a new QSO's marks.
    if (call != analysedCall_) {
        dupeState_ = 0;
        show("Frame3", false);
        show("LblNeu", false);
        learnCounty_ = learnDok_ = false;
    }
    analysedCall_ = call;

    // 1. Portable flags of the field day.
    if (code == 103) {
        workedPortable_ = scoring::isPortable(call);
        workedFixed_ = !workedPortable_;
        ownFixed_ = !scoring::isPortable(s_.MyCall.trimmed().toUpper());
    }
    // 2. Live operation: the date and time of now (a QSO being corrected keeps its own).
    if (isLive(s_) && !reloadId_) {
        const QDateTime now = clock_.utcNow();
        nowDate_ = now.toString(QStringLiteral("dd.MM.yy"));
        nowTime_ = now.toString(QStringLiteral("HH:mm"));
        text("TxtDate") = nowDate_;
        text("TxtUTC") = nowTime_;
    }
    // 3-5. The country, under the national mapping's key where one applies.
    s_.LookupCall = call;
    text("txtIndic") = call;
    const scoring::MappedKey mapped = scoring::nationalMapping(call);
    findCountry(mapped.mark ? mapped.key : call, call);
    s_.LookupCall = call;
    const QString w = s_.LookupCtyPfx;

    // 6. IARU-HF society stations.
    if (code == 200) {
        if (const auto society = dbs_.ref.societyByCall(call)) {
            text("TxtRSTR2") = society->society;
            focusCall();
        }
        if (call.endsWith(QLatin1String("HQ"))) {
            text("TxtRSTR2") = QStringLiteral(" ");
            lookupSociety();
            cursorToEnd("TxtRSTR2");
        }
    }
    // 7. DARC-WAG: the DOK of a German station.
    if (code == 102 && w == QLatin1String("DL")) {
        enable("CmdEnterCall", false);
        lookupDok();
        text("TxtRSTR2") = s_.LearnedExchange;
    }
    // 8. LZ-DX: the ITU zone of a foreign station; an LZ station's district is typed.
    if (code == 104) {
        if (w != QLatin1String("LZ")) {
            text("TxtRSTR2") = s_.LookupITU;
            detectMultiplier();
        } else if (isLive(s_)) {
            text("TxtRSTR2").clear();
            focusAtEnd(QStringLiteral("TxtRSTR2"));
        } else {
            offLinePrefill();
        }
    }
    // 9. Duplicates.
    checkDupe();
    // 10, 11. County and province lists.
    if (code == 105 && w == QLatin1String("HA"))
        exchangeListStep(scoring::haCounties(call.size() > 2 ? call[2] : QChar()));
    else
        show("list1", false);
    if (code == 107 && scoring::isSpanishPrefix(w))
        exchangeListStep(scoring::eaProvinces(call.size() > 2 ? call[2] : QChar()));
    else if (code == 108 && w == QLatin1String("PA"))
        exchangeListStep(scoring::paccProvinces());
    // 12. YO-DX-HF: the county of a Romanian station.
    if (code == 100 && w == QLatin1String("YO")) {
        enable("CmdEnterCall", false);
        lookupCounty();
        text("TxtRSTR2") = s_.LearnedExchange;
        s_.RcvdExchange = s_.LearnedExchange;
        detectMultiplier();
        if (s_.LearnedExchange.isEmpty() && dupeState_ != 10)
            fillPickList(scoring::yoCounties(call.size() > 2 ? call[2] : QChar()));
    } else if (code != 105 && code != 107 && code != 108) {
        show("list1", false);
    }
    // 13. Band marks.
    markBandMultipliers();
    if (code == 100 && w != QLatin1String("YO")) detectMultiplier();
    // 14. IARU-HF: zones of countries spanning several.
    if (code == 200 && dupeState_ != 10) {
        const QStringList zones = scoring::iaruZones(w);
        if (!zones.isEmpty()) fillPickList(zones);
    }
    // 15, 16.
    refreshLogGrid();
    switch (code) {
    case 201:
    case 204:
    case 205:
    case 206:
    case 207:
    case 208:
    case 209:
    case 211:
    case 212:
    case 213:
    case 214:
    case 215: detectMultiplier(); break;
    case 202:
    case 203: detectPrefixMultiplier(); break;
    default: break;
    }
    // 17. Keymen's Club: prefectures.
    if (code == 210 && w == QLatin1String("JA")) exchangeListStep(scoring::keymenPrefectures(call));
    // 18. The store button.
    if (dupeState_ != 10) {
        enable("CmdEnterCall", true);
        const bool modeChosen = s_.Mode == QLatin1String("CW") || s_.Mode == QLatin1String("SSB");
        if (!modeChosen || s_.Band == 0) enable("CmdEnterCall", false);
    }
    // 19. Locator and beam.
    showBeam();
    if (c("txtIndic").back == colour::kRed) {
        c("TxtRSTR2").back = colour::kRed;
        cursorToEnd("TxtRSTR2");
    }
    if (text("TxtRSTR2").trimmed().size() > 1) cursorToEnd("TxtRSTR2");
    // 20. Admission rules, with the prefills that go with them.
    if ((code == 102 || code == 103) &&
        (w == QLatin1String("GM") || w == QLatin1String("JW") || w == QLatin1String("SV"))) {
        forms::Control& l2 = c("List2");
        l2.items =
            w == QLatin1String("GM")   ? QStringList{QStringLiteral("GM"), QStringLiteral("SH")}
            : w == QLatin1String("JW") ? QStringList{QStringLiteral("JW"), QStringLiteral("JW/B")}
                                       : QStringList{QStringLiteral("SV"), QStringLiteral("SV/A")};
        l2.listIndex = -1;
        l2.visible = true;
    }
    const QString myCall = s_.MyCall.trimmed().toUpper();
    bool refused = false;
    if (!myCall.isEmpty() && call == myCall) {
        rejectQso();
        refused = true;
    }
    if (!scoring::admits(code, s_.MyPrfx, w)) {
        rejectQso();
        refused = true;
    }
    if (refused) return;
    if (code == 204 && scoring::isRefOverseasPrefix(text("TxtPrf").trimmed()))
        text("TxtRSTR2") = text("TxtPrf").trimmed();
    if (code == 205 && w == QLatin1String("VE")) {
        const QString province = scoring::arrlProvince(call);
        if (!province.isEmpty()) text("TxtRSTR2") = province;
        if (call.startsWith(QLatin1String("VE1")))
            fillPickList({QStringLiteral("NS"), QStringLiteral("NB")});
        detectMultiplier();
    }
    // 21. Off-line input: the date and hour of the last QSO, the minutes to be typed.
    if (!isLive(s_)) offLinePrefill();
}

void DeskForm::offLinePrefill() {
    enable("TxtDate", true);
    enable("TxtUTC", true);
    text("TxtDate") = s_.StartDate.trimmed();
    s_.StartTime = s_.StartTime.left(3);
    text("TxtUTC") = s_.StartTime.trimmed();
    cursorToEnd("TxtUTC");
    c("TxtDate").back = colour::kYellow;
    c("TxtUTC").back = colour::kYellow;
}

// A pick list whose single entry goes straight into the exchange; otherwise the list is
// offered, and a filled exchange finishes the multiplier at once.
void DeskForm::exchangeListStep(const QStringList& entries) {
    // A single county or province follows from the call and needs no list: it is prefilled
    // on a duplicate too (only the list is withheld there).
    if (entries.size() == 1) {
        text("TxtRSTR2") = entries.front();
    } else if (dupeState_ != 10) {
        fillPickList(entries);
    }
    if (text("TxtRSTR2").trimmed().isEmpty()) {
        focusAtEnd(QStringLiteral("TxtRSTR2"));
    } else {
        s_.RcvdExchange = text("TxtRSTR2").trimmed();
        detectMultiplier();
        focusCall();
    }
}

void DeskForm::findCountry(const QString& key, const QString& analysed) {
    std::optional<store::CountryRow> row = dbs_.ref.countryByExactCall(analysed);
    if (!row) row = dbs_.ref.countryByLongestPrefix(key.trimmed().toUpper());
    if (!row) {
        text("TxtEroare") = analysed + QStringLiteral("  ") + QLatin1String(desk_text::kNotFound);
        show("TxtEroare", true);
        return;
    }
    show("TxtEroare", false);
    const int code = s_.ContestCode;
    s_.LookupId = static_cast<double>(row->id);
    s_.LookupCountry = row->country;
    s_.LookupCnt = row->cnt;
    s_.LookupCtyPfx = row->ctyPfx;
    s_.LookupPfx = row->pfx;
    s_.LookupITU = scoring::twoDigitZone(row->itu);
    s_.LookupCQ = scoring::twoDigitZone(row->cq);
    s_.LookupBeam = row->beam;
    workedLocator_ = row->qraLoc;
    const QString& w = s_.LookupCtyPfx;

    // Russian DX: the oblast of a Russian station, or the code of the special entities.
    if (code == 206) {
        if (w == QLatin1String("R1MV")) russianPrefill_ = QStringLiteral("MV");
        if (w == QLatin1String("R1FJ")) russianPrefill_ = QStringLiteral("FJ");
        if (w == QLatin1String("CE9") && analysed.startsWith(QLatin1String("R1AN")))
            russianPrefill_ = QStringLiteral("AN");
        if (w == QLatin1String("UA") || w == QLatin1String("UA9") || w == QLatin1String("UA2")) {
            const QString area = scoring::russianCallArea(s_.RawCall);
            if (const auto obl = dbs_.ref.learned(LearnedTable::CallObl, area))
                russianPrefill_ = obl->value;
        }
    }
    // Reports, and an emptied exchange for the next station.
    const QString report =
        s_.Mode == QLatin1String("SSB") ? QStringLiteral("59") : QStringLiteral("599");
    text("TxtRSTR1") = report;
    text("TxtRSTE1") = report;
    if (w != QLatin1String("YO")) {
        if (keepExchange_)
            keepExchange_ = false;
        else if (!typedExchange_)
            text("TxtRSTR2") = QStringLiteral(" ");
    }
    // The own county or DOK as sent exchange.
    if ((code == 100 && s_.MyPrfx == QLatin1String("YO")) ||
        (code == 102 && s_.MyPrfx == QLatin1String("DL")))
        text("TxtRSTE2") = s_.MyBezirk;
    // Received exchange known from the country.
    if (code == 200) text("TxtRSTR2") = s_.LookupITU;
    if (code == 201) text("TxtRSTR2") = s_.LookupCQ;
    if (code == 206) {
        text("TxtRSTR2") = russianPrefill_;
        russianPrefill_ = QStringLiteral(" ");
    }
    if (code == 213 && isScandinavian(w))
        scandinavianDistrict_ = scoring::scandinavianDistrict(w, analysed);
    text("TxtCountry") = s_.LookupCountry;
    text("TxtCont") = s_.LookupCnt;
    text("TxtPrf") = s_.LookupCtyPfx;
    text("txtIndic") = s_.LookupCall;
    text("TxtITU") = s_.LookupITU;
    text("TxtCQ") = s_.LookupCQ;
    computePoints();
}

void DeskForm::showBeam() {
    QString loc = workedLocator_.trimmed();
    if (loc.size() == 4) loc += QStringLiteral("MM");
    bool ok = false;
    const scoring::LatLon worked = scoring::locatorToCoordinates(loc, &ok);
    if (!ok) return;
    beam_ = scoring::computeBeam({s_.MyLat, s_.MyLon}, worked);
    text("TxtBeam") = scoring::beamText(beam_);
}

void DeskForm::rejectQso() {
    c("txtIndic").back = colour::kRed;
    c("TxtRSTR2").back = colour::kRed;
    dupeState_ = 10;
    enable("CmdEnterCall", false);
    forms::askRecorded(s_, box_, forms::msg::kOkOnly, QLatin1String(desk_text::kNotAllowed),
                       QString());
    enable("mnuUndo", true);
    // Several failed rules show the message once each; the first keeps the undo.
    if (!rejected_) abort();
    rejected_ = true;
    focusCall();
}

// The learned county (YO-DX-HF) or DOK (DARC-WAG) of the analysed call into
// LearnedExchange; a call not found asks for the typed exchange to be learned.
void DeskForm::lookupLearned(store::LearnedTable table, bool& learnMark) {
    s_.LearnedExchange.clear();
    const QString key = s_.LookupCall.trimmed().toUpper();
    if (key.isEmpty()) return;
    if (const auto row = dbs_.ref.learned(table, key)) {
        s_.LearnedExchange =
            table == LearnedTable::CallJud ? scoring::normaliseCounty(row->value) : row->value;
    } else {
        learnMark = true;
    }
}

void DeskForm::lookupCounty() {
    lookupLearned(LearnedTable::CallJud, learnCounty_);
}

void DeskForm::lookupDok() {
    lookupLearned(LearnedTable::CallDOK, learnDok_);
}

// IARU-HF: the society of an HQ station by its country, else from earlier QSOs.
void DeskForm::lookupSociety() {
    if (const auto society = dbs_.ref.societyByPrefix(text("TxtPrf").trimmed())) {
        text("TxtRSTR2") = society->society;
        focusCall();
        if (!society->society.trimmed().isEmpty()) return;
    }
    const auto earlier = dbs_.log.byCall(trimmedCall());
    for (const store::QsoRow& r : earlier)
        text("TxtRSTR2") = r.mlt.trimmed();
    if (!earlier.empty()) focusCall();
}

void DeskForm::fillPickList(const QStringList& entries) {
    forms::Control& l = c("list1");
    l.items = entries;
    l.listIndex = -1;
    l.visible = !entries.isEmpty();
}

void DeskForm::pickListChosen() {
    const forms::Control& l = c("list1");
    if (l.listIndex < 0 || l.listIndex >= l.items.size()) return;
    text("TxtRSTR2") = l.items[l.listIndex];
    s_.RcvdExchange = text("TxtRSTR2");
    detectMultiplier();
    enable("CmdEnterCall", true);
    focusCall();
}

void DeskForm::list2Chosen() {
    const forms::Control& l = c("List2");
    if (l.listIndex < 0 || l.listIndex >= l.items.size()) return;
    const QString pick = l.items[l.listIndex];
    text("TxtPrf") = pick;
    s_.LookupCtyPfx = pick;
    detectMultiplier();
    static const std::pair<const char*, const char*> kNames[] = {
        {"SH", "Shetland"}, {"GM", "Scotland"}, {"JW/B", "Bären Ins"},
        {"JW", "Svalbard"}, {"SV/A", "Athos"},  {"SV", "Greece"}};
    for (const auto& [pfx, name] : kNames)
        if (pick == QLatin1String(pfx)) text("TxtCountry") = QString::fromUtf8(name);
}

} // namespace korvel
