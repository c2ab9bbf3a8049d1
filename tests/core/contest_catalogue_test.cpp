#include "core/contest_catalogue.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace korvel;

TEST(ContestCatalogue, TwentyFourDistinctCodesAndNo101) {
    const auto all = contestCatalogue();
    ASSERT_EQ(all.size(), 24u);
    QSet<int> codes;
    QSet<QString> buttons;
    for (const ContestInfo& c : all) {
        codes.insert(c.code);
        buttons.insert(QLatin1String(c.optionButton));
        EXPECT_EQ(findContest(c.code), &c);
        EXPECT_TRUE((c.code >= 100 && c.code <= 108) || (c.code >= 200 && c.code <= 215)) << c.code;
    }
    EXPECT_EQ(codes.size(), 24);
    EXPECT_EQ(buttons.size(), 24);
    EXPECT_EQ(findContest(101), nullptr);
    EXPECT_EQ(findContest(0), nullptr);
}

TEST(ContestCatalogue, NamesKeepTheirTrailingBlanks) {
    const ContestInfo* arrl = findContest(205);
    ASSERT_NE(arrl, nullptr);
    EXPECT_STREQ(arrl->contestName, "ARRL Dx Contest ");
    EXPECT_STREQ(arrl->tipTestCaption, "ARRL-DX");
    EXPECT_STREQ(arrl->deskCaption, "ARRL-DX");
    EXPECT_STREQ(findContest(102)->contestName, "DARC-WAG ");
    EXPECT_STREQ(findContest(102)->deskCaption, "WAG ");
    EXPECT_STREQ(findContest(203)->contestName, "TAC ");
    EXPECT_STREQ(findContest(215)->contestName, "UBA Contest");
    EXPECT_STREQ(findContest(215)->shortTitle, "UBA Contest ");
    EXPECT_STREQ(findContest(210)->contestName, "Keymen's Club of Japan ");
}

TEST(ContestCatalogue, OwnExchangeQualification) {
    const ContestInfo& yo = *findContest(100);
    EXPECT_TRUE(ownPrefixQualifies(yo, QStringLiteral("YO")));
    EXPECT_TRUE(ownPrefixQualifies(yo, QStringLiteral(" YO ")));
    EXPECT_FALSE(ownPrefixQualifies(yo, QStringLiteral("DL")));
    const ContestInfo& king = *findContest(107);
    for (const char* p : {"EA", "EA6", "EA8", "EA9"})
        EXPECT_TRUE(ownPrefixQualifies(king, QLatin1String(p)));
    EXPECT_FALSE(ownPrefixQualifies(king, QStringLiteral("CT")));
    // LZ-DX shows the field to everybody, captioned by the station's prefix.
    const ContestInfo& lz = *findContest(104);
    EXPECT_TRUE(lz.prompt.shownForOthers);
    EXPECT_STREQ(lz.prompt.captionOthers, "     MY ITU");
    EXPECT_EQ(lz.prompt.fillOthers, ExchangeFill::MyZone);
    EXPECT_EQ(lz.sentOthers, SentExchange::OwnItuZone);
}

TEST(ContestCatalogue, DeskButtonsAndModeFrame) {
    const ContestInfo& tac = *findContest(203);
    EXPECT_EQ(tac.bandButtons, (std::array<Switch, 6>{Switch::Off, Switch::Off, Switch::Off,
                                                      Switch::Off, Switch::Keep, Switch::Off}));
    EXPECT_EQ(tac.ssbButton, Switch::Off);
    EXPECT_EQ(findContest(210)->ssbButton, Switch::Off);
    EXPECT_EQ(findContest(204)->bandButtons[5], Switch::Off);
    EXPECT_EQ(findContest(204)->ssbButton, Switch::On);
    for (int code : {100, 102, 105, 106})
        EXPECT_EQ(findContest(code)->modeFrame, ModeFrame::Shown);
    for (int code : {107, 108})
        EXPECT_EQ(findContest(code)->modeFrame, ModeFrame::HiddenModeKept);
    for (int code : {103, 104, 200, 214})
        EXPECT_EQ(findContest(code)->modeFrame, ModeFrame::HiddenLearnOff);
    EXPECT_STREQ(findContest(104)->deskNotice, "SELECT BAND AND MODE");
}
