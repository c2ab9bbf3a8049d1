// Country lookups on the reference database built from the shipped country file. The
// expected values were read off the country file by hand, entity by entity.
#include "store/reference_data.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvel::store;

namespace {

class ShippedCountries : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        dbs_ = new Databases;
        const OpenReport r = openDatabases(dir_->path(), *dbs_);
        ASSERT_TRUE(r.ok()) << r.refError.toStdString() << r.logError.toStdString();
        ASSERT_TRUE(r.createdRef);
    }
    static void TearDownTestSuite() {
        delete dbs_;
        delete dir_;
    }
    static RefStore& ref() { return dbs_->ref; }

    static QTemporaryDir* dir_;
    static Databases* dbs_;
};

QTemporaryDir* ShippedCountries::dir_ = nullptr;
Databases* ShippedCountries::dbs_ = nullptr;

struct Expect {
    const char* key;
    const char* country;
    const char* cnt;
    const char* ctyPfx;
    const char* itu;
    const char* cq;
};

void check(const std::optional<CountryRow>& row, const Expect& e) {
    ASSERT_TRUE(row.has_value()) << e.key;
    EXPECT_EQ(row->country, QLatin1String(e.country)) << e.key;
    EXPECT_EQ(row->cnt, QLatin1String(e.cnt)) << e.key;
    EXPECT_EQ(row->ctyPfx, QLatin1String(e.ctyPfx)) << e.key;
    EXPECT_EQ(row->itu, QLatin1String(e.itu)) << e.key;
    EXPECT_EQ(row->cq, QLatin1String(e.cq)) << e.key;
    EXPECT_EQ(row->qraLoc.size(), 6) << e.key;
}

} // namespace

TEST_F(ShippedCountries, MappedKeysOfTheDeskResolveByLongestPrefix) {
    // The keys the desk's national mappings look up.
    const Expect keys[] = {
        {"K6", "United States of America", "Na", "K", "06", "03"},
        {"K0", "United States of America", "Na", "K", "07", "04"},
        {"VE7", "Canada", "Na", "VE", "02", "03"},
        {"VE3", "Canada", "Na", "VE", "04", "04"},
        {"RA9", "Asiatic Russia", "As", "UA9", "30", "17"},
        {"RA3", "European Russia", "Eu", "UA", "29", "16"},
        {"RA", "European Russia", "Eu", "UA", "29", "16"},
        {"RA2", "Kaliningrad", "Eu", "UA2", "29", "15"},
        {"BY1", "China", "As", "BY", "44", "24"},
        {"BY", "China", "As", "BY", "44", "24"},
    };
    for (const Expect& e : keys)
        check(ref().countryByLongestPrefix(QLatin1String(e.key)), e);
    EXPECT_EQ(ref().countryByLongestPrefix(QStringLiteral("UA9ABC"))->ctyPfx,
              QStringLiteral("UA9"));
    // Franz Josef Land keeps its own country prefix although its calls begin RI1F.
    EXPECT_EQ(ref().countryForCall(QStringLiteral("RI1FJA"))->ctyPfx, QStringLiteral("R1FJ"));
    EXPECT_EQ(ref().countryForCall(QStringLiteral("R1FJL"))->ctyPfx, QStringLiteral("R1FJ"));
    EXPECT_EQ(ref().countryForCall(QStringLiteral("AY1ZB"))->ctyPfx, QStringLiteral("CE9"));
    EXPECT_EQ(ref().countryForCall(QStringLiteral("AY1ZA"))->ctyPfx,
              QStringLiteral("VP8/o")); // listed itself
    EXPECT_FALSE(ref().countryByLongestPrefix(QStringLiteral("QQ1ABC")).has_value());
    EXPECT_FALSE(ref().countryByLongestPrefix(QString()).has_value());
}

// Calls whose country is easily missed: two digits, a digit first, a longer prefix inside a
// shorter one, an island of a country on another continent, the US entities.
TEST_F(ShippedCountries, RealCallsOnEveryContinent) {
    const Expect calls[] = {
        {"DL1ABC", "Fed. Rep. of Germany", "Eu", "DL", "28", "14"},
        {"DL10ABC", "Fed. Rep. of Germany", "Eu", "DL", "28", "14"},
        {"9A1A", "Croatia", "Eu", "9A", "28", "15"},
        {"UA2FZ", "Kaliningrad", "Eu", "UA2", "29", "15"},
        {"GM3ABC", "Scotland", "Eu", "GM", "27", "14"},
        {"EA8ABC", "Canary Islands", "Af", "EA8", "36", "33"},
        {"ZS6ABC", "South Africa", "Af", "ZS", "57", "38"},
        {"3DA0RU", "Kingdom of Eswatini", "Af", "3DA", "57", "38"},
        {"RA9ABC", "Asiatic Russia", "As", "UA9", "30", "17"},
        {"JA1ABC", "Japan", "As", "JA", "45", "25"},
        {"9M2ABC", "West Malaysia", "As", "9M2", "54", "28"},
        {"W1AW", "United States of America", "Na", "K", "08", "05"},
        {"KL7ABC", "Alaska", "Na", "KL", "01", "01"},
        {"KP4ABC", "Puerto Rico", "Na", "KP4", "11", "08"},
        {"PY1ABC", "Brazil", "Sa", "PY", "15", "11"},
        {"VK2ABC", "Australia", "Oc", "VK", "59", "30"},
        {"KH6ABC", "Hawaii", "Oc", "KH6", "61", "31"},
    };
    for (const Expect& e : calls)
        check(ref().countryForCall(QLatin1String(e.key)), e);
}

TEST_F(ShippedCountries, AwardOnlyEntitiesBelongToTheirCountry) {
    // Sicily and European Turkey keep their own zones and continent, not their identity.
    check(ref().countryForCall(QStringLiteral("IT9ABC")),
          {"IT9ABC", "Italy", "Eu", "I", "28", "15"});
    check(ref().countryForCall(QStringLiteral("TA1ABC")),
          {"TA1ABC", "Asiatic Turkey", "Eu", "TA", "39", "20"});
    for (const CountryRow& r : ref().allCountries()) {
        ASSERT_FALSE(r.ctyPfx.startsWith(QLatin1Char('*'))) << r.pfx.toStdString();
        ASSERT_NE(r.ctyPfx, QStringLiteral("GM/s"));
        ASSERT_NE(r.ctyPfx, QStringLiteral("IT9"));
    }
}

TEST_F(ShippedCountries, ExactCallsNeverCatchLongerCalls) {
    // R25EMW is listed as a single call with zones of its own.
    check(ref().countryForCall(QStringLiteral("R25EMW")),
          {"R25EMW", "European Russia", "Eu", "UA", "19", "17"});
    check(ref().countryForCall(QStringLiteral("R25EMWX")),
          {"R25EMWX", "European Russia", "Eu", "UA", "29", "16"});
    EXPECT_FALSE(
        ref().countryByLongestPrefix(QStringLiteral("R25EMW"))->pfx.startsWith(QLatin1Char('=')));
    EXPECT_TRUE(ref().countryByExactCall(QStringLiteral("R25EMW")).has_value());
    EXPECT_FALSE(ref().countryByExactCall(QStringLiteral("R25EM")).has_value());
}

TEST_F(ShippedCountries, TablesOfExchangesAreSeeded) {
    // DOKs from the shipped call history; every listed DOK is found under its call.
    const auto doks = ref().allLearned(LearnedTable::CallDOK);
    EXPECT_GT(doks.size(), 1000u);
    EXPECT_EQ(ref().learned(LearnedTable::CallDOK, QStringLiteral("DA0AA"))->value,
              QStringLiteral("B06"));
    EXPECT_FALSE(ref().learned(LearnedTable::CallDOK, QStringLiteral("DA0DOM")).has_value());
    EXPECT_TRUE(ref().allLearned(LearnedTable::CallJud).empty());
    EXPECT_TRUE(ref().allLearned(LearnedTable::HADXM).empty());
    EXPECT_EQ(ref().learned(LearnedTable::CallObl, QStringLiteral("1A"))->value,
              QStringLiteral("SP"));
    EXPECT_EQ(ref().learned(LearnedTable::CallObl, QStringLiteral("3A"))->value,
              QStringLiteral("MA"));
    EXPECT_EQ(ref().societyByCall(QStringLiteral("DA0HQ"))->society, QStringLiteral("DARC"));
    EXPECT_EQ(ref().societyByPrefix(QStringLiteral("DL"))->society, QStringLiteral("DARC"));
    EXPECT_EQ(ref().societyByPrefix(QStringLiteral("YO"))->society, QStringLiteral("FRR"));
    EXPECT_EQ(ref().societyByCall(QStringLiteral("NU1AW"))->society, QStringLiteral("IARU"));
    // Every society prefix is a country of the country table.
    for (const char* p : {"K", "G", "JA", "VK", "PY", "ZS"})
        EXPECT_TRUE(ref().societyByPrefix(QLatin1String(p)).has_value()) << p;
}

TEST_F(ShippedCountries, LearningAppendsAndTheFirstValueWins) {
    ASSERT_TRUE(ref().learn(LearnedTable::CallJud, QStringLiteral("YO3KPA"), QStringLiteral("B3")));
    ASSERT_TRUE(ref().learn(LearnedTable::CallJud, QStringLiteral("YO3KPA"), QStringLiteral("IF")));
    EXPECT_EQ(ref().learned(LearnedTable::CallJud, QStringLiteral("YO3KPA"))->value,
              QStringLiteral("B3"));
    EXPECT_FALSE(ref().learn(LearnedTable::CallObl, QStringLiteral("1A"), QStringLiteral("XX")));
    ASSERT_TRUE(
        ref().learn(LearnedTable::CallDOK, QStringLiteral("DL'1"), QStringLiteral("Ö%_\\")));
    EXPECT_EQ(ref().learned(LearnedTable::CallDOK, QStringLiteral("DL'1"))->value,
              QStringLiteral("Ö%_\\"));
}
