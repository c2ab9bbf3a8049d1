// EXIT on the setup screen: the confirmation, and what Yes and No do.
#include "setup/setup_form.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvel;

namespace {

class SetupExit : public ::testing::Test {
protected:
    void SetUp() override {
        state.DataDir = dir.path();
        ASSERT_EQ(dbs.log.open(dir.filePath(QStringLiteral("LogKorvel"))), QString());
        ASSERT_EQ(dbs.ref.open(dir.filePath(QStringLiteral("DbsKorvel.mdb"))), QString());
        form = std::make_unique<SetupForm>(state, dbs, box);
        form->onExit = [this] { ++exits; };
    }
    QTemporaryDir dir;
    SharedState state;
    store::Databases dbs;
    forms::ScriptedMessageBox box;
    std::unique_ptr<SetupForm> form;
    int exits = 0;
};

} // namespace

TEST_F(SetupExit, NoLeavesEverythingAsItWas) {
    box.queueAnswer(forms::msg::kNo);
    form->click(QStringLiteral("mnuBeenden"));
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.shown()[0].prompt, QStringLiteral("DO YOU WANT TO EXIT PROGRAMM ?"));
    EXPECT_EQ(box.shown()[0].title, QStringLiteral("EXIT  ?"));
    EXPECT_EQ(box.shown()[0].style, 292);
    EXPECT_EQ(state.MsgStyle, QStringLiteral("292"));
    EXPECT_EQ(state.MsgPrompt, QStringLiteral("DO YOU WANT TO EXIT PROGRAMM ?"));
    EXPECT_EQ(state.MsgTitle, QStringLiteral("EXIT  ?"));
    EXPECT_EQ(state.MsgResult, QStringLiteral("7"));
    EXPECT_EQ(exits, 0);
    EXPECT_FALSE(form->exitConfirmed());
    EXPECT_TRUE(dbs.log.isOpen());
    EXPECT_TRUE(dbs.ref.isOpen());
    EXPECT_GT(dbs.log.insertQso({}), 0);
}

TEST_F(SetupExit, UnansweredBoxTakesNoTheDefault) {
    form->click(QStringLiteral("mnuBeenden"));
    EXPECT_EQ(state.MsgResult, QStringLiteral("7"));
    EXPECT_EQ(exits, 0);
}

TEST_F(SetupExit, YesClosesBothDatabasesAndEnds) {
    box.queueAnswer(forms::msg::kYes);
    form->click(QStringLiteral("mnuBeenden"));
    EXPECT_EQ(state.MsgResult, QStringLiteral("6"));
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(form->exitConfirmed());
    EXPECT_FALSE(dbs.log.isOpen());
    EXPECT_FALSE(dbs.ref.isOpen());
}
