// Each contest's rules through its definition, one table per contest: who may be worked,
// what counts as a multiplier and where the band buttons mark one, and the serial numbers.
// The desk is a fake that knows which multiplier marks the log already holds.
#include "scoring/contests/registry.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <set>
#include <tuple>

using namespace korvel;
using namespace korvel::scoring;

namespace {

class FakeDesk final : public ContestDesk {
public:
    SharedState s;
    QString callText, exchangeText, sentText, prefixShown, memoText;
    bool refusedQso = false, newShown = false, storeEnabled = true;
    QStringList pickList, subEntities;
    // Marks in the log: (second column, key, band); every mode.
    std::set<std::tuple<bool, QString, QString>> logged;
    std::set<std::tuple<bool, QString>> loggedAnyBand;

    SharedState& state() override { return s; }
    QString call() const override { return callText; }
    QString exchange() const override { return exchangeText; }
    void setExchange(const QString& t) override { exchangeText = t; }
    void setSentExchange(const QString& t) override { sentText = t; }
    QString shownPrefix() const override { return prefixShown; }
    bool live() const override { return true; }
    bool refused() const override { return refusedQso; }
    bool isNewMark(const QString& key, bool perBand, bool, bool second) override {
        if (!perBand) return !loggedAnyBand.count({second, key});
        return !logged.count({second, key, s.BandText});
    }
    void showNew() override { newShown = true; }
    void detectMultiplier() override { contest->detectMultiplier(*this); }
    void exchangeListStep(const QStringList& entries) override {
        if (entries.size() == 1) exchangeText = entries.front();
        pickList = entries.size() > 1 ? entries : QStringList();
    }
    void fillPickList(const QStringList& entries) override { pickList = entries; }
    void hidePickList() override { pickList.clear(); }
    void offerSubEntities(const QStringList& p) override { subEntities = p; }
    void lookupLearned() override {}
    void lookupSociety() override {}
    std::optional<QString> societyOfCall(const QString&) override { return std::nullopt; }
    std::optional<QString> oblastOfArea(const QString& area) override {
        if (area == QLatin1String("3A")) return QStringLiteral("MA");
        return std::nullopt;
    }
    void focusCall() override {}
    void focusExchangeAtEnd() override {}
    void cursorToExchangeEnd() override {}
    void enableStore(bool on) override { storeEnabled = on; }
    void offLinePrefill() override {}
    QString& memo() override { return memoText; }

    const Contest* contest = nullptr;
};

QString q(const char* s) {
    return QString::fromUtf8(s);
}

// One worked station as a multiplier rule sees it, and what the rule decides.
struct MultCase {
    const char* own;      // own country prefix
    const char* worked;   // worked country prefix
    const char* call;     // worked call
    const char* exchange; // received exchange in the field; also the finished exchange
    const char* inLog;    // a key already logged on 20 m ("" none; "2:KEY" in Mlt1)
    const char* mult;     // MultValue afterwards ("=" unchanged)
    const char* mult1;    // Mult1Value afterwards ("=" unchanged)
    bool isNew;           // "NEW" shown
    const char* bandKey;  // key of the band marks
    bool admitted;
};

void checkMultipliers(int code, std::initializer_list<MultCase> cases) {
    const Contest* contest = findContest(code);
    ASSERT_NE(contest, nullptr) << code;
    for (const MultCase& c : cases) {
        FakeDesk d;
        d.contest = contest;
        d.s.ContestCode = code;
        d.s.MyPrfx = q(c.own);
        d.s.LookupCtyPfx = q(c.worked);
        d.s.BandText = QStringLiteral("20");
        d.s.RawCall = d.callText = q(c.call);
        d.exchangeText = d.s.RcvdExchange = q(c.exchange);
        d.s.LearnedExchange = q(c.exchange);
        d.prefixShown = q(c.worked);
        d.s.MultValue = d.s.Mult1Value = QStringLiteral("=");
        const QString inLog = q(c.inLog);
        if (inLog.startsWith(QLatin1String("2:"))) {
            d.logged.insert({true, inLog.mid(2), QStringLiteral("20")});
            d.loggedAnyBand.insert({true, inLog.mid(2)});
        } else if (!inLog.isEmpty()) {
            d.logged.insert({false, inLog, QStringLiteral("20")});
            d.loggedAnyBand.insert({false, inLog});
        }
        contest->onCountryFound(d); // memo of the contests that keep one
        d.exchangeText = d.s.RcvdExchange = q(c.exchange);
        d.newShown = false;
        const std::string what = std::to_string(code) + " " + c.own + " works " + c.call;
        contest->detectMultiplier(d);
        EXPECT_EQ(d.s.MultValue, q(c.mult)) << what;
        EXPECT_EQ(d.s.Mult1Value, q(c.mult1)) << what;
        EXPECT_EQ(d.newShown, c.isNew) << what;
        EXPECT_EQ(contest->bandMarkKey(d), q(c.bandKey)) << what;
        EXPECT_EQ(contest->admits(d.s.MyPrfx, d.s.LookupCtyPfx), c.admitted) << what;
    }
}

// The own serial: whether a received serial is zero-filled, whether storing a QSO advances the
// own serial, whether choosing a mode resumes it from the log.
struct SerialCase {
    const char* own;
    const char* worked;
    bool pads, advances, resumes;
};

void checkSerials(int code, std::initializer_list<SerialCase> cases,
                  Numbering nrConst = Numbering::Unset) {
    const Contest* contest = findContest(code);
    ASSERT_NE(contest, nullptr) << code;
    for (const SerialCase& c : cases) {
        const std::string what = std::to_string(code) + " " + c.own + " works " + c.worked;
        EXPECT_EQ(contest->padsReceivedSerial(q(c.worked)), c.pads) << what;
        EXPECT_EQ(contest->advancesSerial(q(c.own), q(c.worked), nrConst), c.advances) << what;
        EXPECT_EQ(contest->resumesSerial(q(c.own), nrConst), c.resumes) << what;
    }
}

} // namespace

TEST(ContestRegistry, CatalogueOrderAndUnknownCodes) {
    QList<int> codes;
    for (const Contest* c : contests())
        codes << c->info.code;
    EXPECT_EQ(codes.front(), 100);
    EXPECT_EQ(codes.back(), 215);
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    EXPECT_EQ(findContest(101), nullptr);
    // Before a contest is chosen the desk runs without multipliers or points.
    EXPECT_FALSE(contestOrNone(0).qsoPoints({}).has_value());
    EXPECT_EQ(contestOrNone(0).dupeRule(ModeRule::Unset), DupeRule::PerBand);
}

TEST(ContestRules, OwnExchangeQualification) {
    const ContestInfo& yo = findContest(100)->info;
    EXPECT_TRUE(ownPrefixQualifies(yo, QStringLiteral(" YO ")));
    EXPECT_FALSE(ownPrefixQualifies(yo, QStringLiteral("DL")));
    for (const char* p : {"EA", "EA6", "EA8", "EA9"})
        EXPECT_TRUE(ownPrefixQualifies(findContest(107)->info, q(p)));
    EXPECT_FALSE(ownPrefixQualifies(findContest(107)->info, QStringLiteral("CT")));
    EXPECT_TRUE(ownPrefixQualifies(findContest(106)->info, QStringLiteral("W"))); // everybody
}

TEST(ContestRules, YoDxHf) {
    // A Romanian county counts with a "*"; a Romanian station may not work another.
    checkMultipliers(100, {
                              {"DL", "YO", "YO9XX", "BZ", "", "BZ*", "=", true, "BZ*", true},
                              {"DL", "YO", "YO9XX", "BZ", "BZ*", "  ", "=", false, "BZ*", true},
                              {"DL", "I", "I1ABC", "001", "", "I", "=", true, "I", true},
                              {"YO", "YO", "YO3AA", "B", "", "B*", "=", true, "B*", false},
                              {"YO", "DL", "DL1AA", "001", "DL", "  ", "=", false, "DL", true},
                          });
    checkSerials(100, {{"YO", "DL", true, false, false},
                       {"DL", "YO", false, true, true},
                       {"DL", "I", true, true, true}});
    const Contest& c = *findContest(100);
    EXPECT_TRUE(c.hasNo160Marks());
    EXPECT_FALSE(c.multiplierAtDupeCheck());
    SharedState s;
    s.MyPrfx = QStringLiteral("DL");
    EXPECT_TRUE(c.resumesSerialOnBand(s, 20));
    EXPECT_FALSE(c.resumesSerialOnBand(s, 160));
    s.LookupCtyPfx = QStringLiteral("YO");
    EXPECT_TRUE(c.selectsExchangeOnFocus(s));
    EXPECT_EQ(c.learnedKind(), LearnedKind::County);
}

TEST(ContestRules, DarcWag) {
    // A foreign station counts the DOK's district letter of German stations only.
    checkMultipliers(102, {
                              {"YO", "DL", "DL1ABC", "A01", "", "A", "=", true, "A", true},
                              {"YO", "DL", "DL1ABC", "A01", "A", "  ", "=", false, "A", true},
                              {"YO", "I", "I1ABC", "001", "", "=", "=", false, "", false},
                              {"DL", "I", "I1ABC", "001", "", "I", "=", true, "I", true},
                              {"DL", "DL", "DL2ABC", "B02", "DL", "  ", "=", false, "DL", true},
                          });
    checkSerials(102, {{"DL", "I", true, false, false}, {"YO", "DL", false, true, true}});
    EXPECT_EQ(findContest(102)->dupeRule(ModeRule::Unset), DupeRule::PerBandAndMode);
    EXPECT_TRUE(findContest(102)->hasNo160Marks());
    EXPECT_EQ(findContest(102)->learnedKind(), LearnedKind::Dok);
}

TEST(ContestRules, IaruFieldDay) {
    checkMultipliers(103, {{"YO", "DL", "DL1ABC/P", "001", "", "DL", "=", true, "DL", true},
                           {"YO", "DL", "DL1ABC", "001", "DL", "  ", "=", false, "DL", true}});
    checkSerials(103, {{"YO", "DL", true, true, true}});
    // Two fixed stations: no multiplier at storing.
    SharedState s;
    s.MultValue = QStringLiteral("DL");
    findContest(103)->adjustAtStore(
        s, {.rcvdExchange = {}, .sentExchange = {}, .societyExchange = false, .bothFixed = true});
    EXPECT_EQ(s.MultValue, QStringLiteral(" "));
    EXPECT_TRUE(findContest(103)->hasNo160Marks());
}

TEST(ContestRules, LzDx) {
    // The received exchange (district or ITU zone) is the multiplier, marked on 160 m too...
    checkMultipliers(104, {{"YO", "LZ", "LZ1AA", "BU", "", "BU", "=", true, "BU", true},
                           {"YO", "I", "I1ABC", "28", "28", "  ", "=", false, "28", true}});
    checkSerials(104, {{"YO", "LZ", false, false, false}});
    // ...except that LZ-DX has no 160 m marks.
    EXPECT_TRUE(findContest(104)->hasNo160Marks());
    EXPECT_EQ(findContest(104)->dupeRule(ModeRule::Unset), DupeRule::PerBandAndMode);
    // A foreign station's exchange is its ITU zone, taken from the country.
    FakeDesk d;
    d.contest = findContest(104);
    d.s.LookupCtyPfx = QStringLiteral("I");
    d.s.LookupITU = QStringLiteral("28");
    d.s.BandText = QStringLiteral("20");
    d.contest->beforeDupeCheck(d);
    EXPECT_EQ(d.exchangeText, QStringLiteral("28"));
    EXPECT_EQ(d.s.MultValue, QStringLiteral("28"));
}

TEST(ContestRules, HaDx) {
    checkMultipliers(105, {{"YO", "HA", "HA8XX", "BE", "", "BE", "=", true, "BE", true},
                           {"YO", "I", "I1ABC", "001", "", "  ", "=", false, "I", true},
                           {"HA", "I", "I1ABC", "001", "", "I", "=", true, "I", true}});
    checkSerials(105, {{"HA", "I", true, false, false}, {"YO", "HA", false, true, true}});
    SharedState s;
    s.MyPrfx = QStringLiteral("YO");
    s.LookupCtyPfx = QStringLiteral("HA");
    // A foreign station's one letter completes a county of the call's area; a Hungarian
    // station types the whole county.
    EXPECT_EQ(findContest(105)->completeExchange(s, QStringLiteral("HA8XX"), QStringLiteral("C")),
              QStringLiteral("CS"));
    s.MyPrfx = QStringLiteral("HA");
    EXPECT_EQ(findContest(105)->completeExchange(s, QStringLiteral("HA8XX"), QStringLiteral("C")),
              QString());
}

TEST(ContestRules, EuChamp) {
    // The licence year counts per band and mode; an empty exchange decides nothing yet.
    checkMultipliers(106, {{"YO", "DL", "DL1ABC", "85", "", "85", "=", true, "85", true},
                           {"YO", "DL", "DL1ABC", "85", "85", "  ", "=", false, "85", true},
                           {"YO", "DL", "DL1ABC", "", "", "=", "=", false, "", true}});
}

TEST(ContestRules, KingOfSpain) {
    checkMultipliers(107, {{"YO", "EA8", "EA8AA", "TF", "", "TF", "=", true, "TF", true},
                           {"YO", "I", "I1ABC", "001", "", "  ", "=", false, "", true},
                           {"EA", "I", "I1ABC", "001", "", "I", "=", true, "", true}});
    checkSerials(107, {{"EA6", "I", true, false, false}, {"YO", "EA", false, true, true}});
}

TEST(ContestRules, Pacc) {
    // Only Dutch stations may be worked, and they send their province: nothing is padded.
    checkMultipliers(108, {{"YO", "PA", "PA3AA", "ZH", "", "ZH", "=", true, "ZH", true},
                           {"YO", "DL", "DL1ABC", "001", "", "=", "=", false, "", false},
                           {"PA", "PA", "PA3AA", "ZH", "", "PA", "=", true, "ZH", true}});
    checkSerials(108, {{"YO", "PA", false, true, true}, {"PA", "PA", false, false, false}});
}

TEST(ContestRules, IaruHf) {
    checkMultipliers(200, {{"YO", "DL", "DL1ABC", "28", "", "28", "=", true, "28", true},
                           {"YO", "W", "NU1AW", "08", "", "IARU", "=", true, "IARU", true}});
    // Society and headquarters QSOs count one point.
    for (const auto& [rcvd, society, points] :
         {std::tuple{"28", false, "5"}, {"IARU", false, "1"}, {"DARC", true, "1"}}) {
        SharedState s;
        s.QsoPoints = QStringLiteral("5");
        findContest(200)->adjustAtStore(s, {.rcvdExchange = q(rcvd),
                                            .sentExchange = {},
                                            .societyExchange = society,
                                            .bothFixed = false});
        EXPECT_EQ(s.QsoPoints, q(points)) << rcvd;
    }
}

TEST(ContestRules, CqWw) {
    // Zones (Mlt) and countries (Mlt1), both per band.
    checkMultipliers(201, {{"YO", "DL", "DL1ABC", "14", "", "14", "DL", true, "14", true},
                           {"YO", "DL", "DL1ABC", "14", "14", " ", "DL", true, "14", true},
                           {"YO", "DL", "DL1ABC", "14", "2:DL", "14", " ", true, "14", true},
                           {"YO", "DL", "DL1ABC", "", "", "=", "=", false, "", true}});
    EXPECT_TRUE(findContest(201)->countsSecondMultiplier());
}

TEST(ContestRules, WpxAndTac) {
    // The WPX prefix counts once in the whole contest.
    for (int code : {202, 203})
        checkMultipliers(code, {{"YO", "DL", "DL1ABC", "001", "", "DL1", "=", true, "", true},
                                {"YO", "DL", "DL1ABC", "001", "DL1", "  ", "=", false, "", true},
                                {"YO", "DL", "DL10ABC", "001", "", "DL10", "=", true, "", true}});
    checkSerials(202, {{"YO", "DL", false, true, true}});
    // TAC's bonus for word exchanges.
    for (const auto& [sent, rcvd, points] : {std::tuple{"001", "002", "3"},
                                             {"ION", "002", "5"},
                                             {"001", "ANA", "5"},
                                             {"ION", "ANA", "9"}}) {
        SharedState s;
        s.QsoPoints = QStringLiteral("3");
        findContest(203)->adjustAtStore(s, {.rcvdExchange = q(rcvd),
                                            .sentExchange = q(sent),
                                            .societyExchange = false,
                                            .bothFixed = false});
        EXPECT_EQ(s.QsoPoints, q(points)) << sent << " " << rcvd;
    }
    EXPECT_TRUE(findContest(203)->tallies80Only());
    EXPECT_FALSE(findContest(202)->tallies80Only());
}

TEST(ContestRules, Ref) {
    checkMultipliers(204, {{"YO", "F", "F5AA", "75", "", "75", "=", true, "", true},
                           {"YO", "FG", "FG5AA", "FG", "FG", " ", "=", false, "", true},
                           {"YO", "DL", "DL1ABC", "001", "", "001", "=", true, "", false}});
    checkSerials(204, {{"F", "F", false, true, false}, {"YO", "F", false, true, true}});
}

TEST(ContestRules, ArrlDx) {
    checkMultipliers(205, {{"YO", "K", "W1AW", "CT", "", "CT", "=", true, "", true},
                           {"YO", "DL", "DL1ABC", "100", "", "100", "=", true, "", false}});
    EXPECT_TRUE(findContest(205)->sendsOwnExchange(Numbering::Unset));
}

TEST(ContestRules, RussianDx) {
    // Russian oblasts with a "*", other countries by their prefix.
    checkMultipliers(206, {{"YO", "UA", "RA3AA", "MA", "", "MA*", "=", true, "", true},
                           {"YO", "DL", "DL1ABC", "001", "", "DL", "=", true, "DL", true}});
    checkSerials(206, {{"UA", "DL", false, true, false}, {"YO", "UA", false, true, true}});
    // The oblast of a Russian call area is prefilled.
    FakeDesk d;
    d.contest = findContest(206);
    d.s.LookupCtyPfx = QStringLiteral("UA");
    d.s.RawCall = d.callText = QStringLiteral("RA3AA");
    d.contest->onCountryFound(d);
    EXPECT_EQ(d.exchangeText, QStringLiteral("MA"));
}

TEST(ContestRules, HomeCountryContests) {
    // Only home stations may be worked (Ukrainian DX: everybody); a home station's area counts.
    checkMultipliers(207, {{"YO", "SP", "SP9AA", "K", "", "K", "=", true, "", true},
                           {"YO", "DL", "DL1ABC", "001", "", "DL", "=", true, "DL", false}});
    checkMultipliers(208, {{"YO", "4X", "4X1AA", "TA22", "", "TA22", "=", true, "", true}});
    checkMultipliers(209, {{"YO", "HB", "HB9AA", "ZH", "", "ZH", "=", true, "", true},
                           {"YO", "HB", "HB9AA", "001ZH", "ZH", "  ", "=", false, "", true}});
    checkMultipliers(210, {{"YO", "JA", "JA1AA", "10", "", "10", "=", true, "", true}});
    checkMultipliers(211, {{"YO", "UR", "UR5AA", "KV", "", "KV*", "=", true, "", true},
                           {"YO", "DL", "DL1ABC", "001", "", "DL", "=", true, "DL", true}});
    checkMultipliers(212, {{"YO", "OM", "OM3AA", "BAA", "", "BAA", "=", true, "", true}});
    checkSerials(207, {{"SP", "SP", false, true, false}, {"YO", "SP", false, true, true}});
    checkSerials(209, {{"HB", "HB", false, true, true}, {"HB9", "HB", false, true, false}});
    checkSerials(210, {{"YO", "JA", false, false, false}});
    checkSerials(211, {{"UR", "DL", false, false, true}, {"YO", "UR", false, true, true}});
}

TEST(ContestRules, Scandinavian) {
    checkMultipliers(213, {{"YO", "LA", "LA1ABC", "001", "", "LA1", "=", true, "LA1", true},
                           {"YO", "TF", "TF/DL1A", "001", "TF0", "  ", "=", false, "TF0", true},
                           {"YO", "OH0", "OH0X", "001", "", "OH0", "=", true, "OH0", true}});
}

TEST(ContestRules, LogGeneral) {
    checkMultipliers(214, {{"YO", "DL", "DL1ABC", "001", "", " ", "=", false, "", true}});
    const Contest& c = *findContest(214);
    EXPECT_EQ(c.dupeRule(ModeRule::CwOrPhone), DupeRule::PerBand);
    EXPECT_EQ(c.dupeRule(ModeRule::CwAndPhone), DupeRule::PerBandAndMode);
    EXPECT_EQ(c.dupeRule(ModeRule::Unset), DupeRule::None);
    checkSerials(214, {{"YO", "DL", false, true, true}}, Numbering::Increasing);
    checkSerials(214, {{"YO", "DL", false, false, false}}, Numbering::Constant);
    EXPECT_TRUE(c.sendsOwnExchange(Numbering::Constant));
    EXPECT_FALSE(c.sendsOwnExchange(Numbering::Increasing));
}

TEST(ContestRules, Uba) {
    // Belgian call prefixes and EU countries (Mlt), Belgian provinces (Mlt1).
    checkMultipliers(215, {{"YO", "ON", "ON4ABC", "001AN", "", "ON4", "AN", true, "", true},
                           {"YO", "ON", "ON4ABC", "001AN", "2:AN", "ON4", "  ", true, "", true},
                           {"YO", "DL", "DL1ABC", "001", "", "DL", " ", true, "DL", true},
                           {"YO", "W", "W1AW", "001", "", " ", " ", false, "", true}});
    EXPECT_TRUE(findContest(215)->countsSecondMultiplier());
}
