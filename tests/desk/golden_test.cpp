// Whole contests replayed through the real program: every NAME.script in the golden folder
// runs with `korvel replay` on a fresh data folder, and its output must equal NAME.expected
// byte for byte. The expected files were worked out from the contest rules by hand.
#include "tests/support/replay_script.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using namespace korvel::testing;

const QDir& goldenDir() {
    static const QDir dir(QStringLiteral(KORVEL_GOLDEN_DIR));
    return dir;
}

class Golden : public ::testing::TestWithParam<QString> {};

TEST_P(Golden, ReplayMatchesExpected) {
    expectReplayMatches(goldenDir(), GetParam(),
                        {.showWholeOutput = true, .stopWhenUnfinished = true});
}

INSTANTIATE_TEST_SUITE_P(Contests, Golden, ::testing::ValuesIn(scriptNames(goldenDir())),
                         scriptTestName);

} // namespace
