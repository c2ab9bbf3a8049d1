// EXIT on the setup screen: the confirmation, and what Yes and No do.
#include "setup/setup_form.h"

#include <QTemporaryDir>

#include <optional>

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

// The message and its title for No and Yes are compared by the replayed session
// language_help_exit. An unanswered box takes No, the default.
TEST_F(SetupExit, NoLeavesEverythingAsItWasYesClosesBothDatabasesAndEnds) {
    for (const std::optional<int> answer :
         {std::optional<int>(forms::msg::kNo), std::optional<int>(),
          std::optional<int>(forms::msg::kYes)}) {
        const bool yes = answer == forms::msg::kYes;
        SCOPED_TRACE(answer.value_or(0));
        box.clear();
        if (answer) box.queueAnswer(*answer);
        form->click(QStringLiteral("mnuBeenden"));
        ASSERT_EQ(box.shown().size(), 1u);
        EXPECT_EQ(box.shown()[0].style, 292);
        EXPECT_EQ(state.MsgStyle, QStringLiteral("292"));
        EXPECT_EQ(state.MsgPrompt, QStringLiteral("DO YOU WANT TO EXIT PROGRAMM ?"));
        EXPECT_EQ(state.MsgTitle, QStringLiteral("EXIT  ?"));
        EXPECT_EQ(state.MsgResult, yes ? QStringLiteral("6") : QStringLiteral("7"));
        EXPECT_EQ(exits, yes ? 1 : 0);
        EXPECT_EQ(form->exitConfirmed(), yes);
        EXPECT_EQ(dbs.log.isOpen(), !yes);
        EXPECT_EQ(dbs.ref.isOpen(), !yes);
        if (!yes) {
            EXPECT_GT(dbs.log.insertQso({}), 0);
        }
    }
}
