// Sessions on the review screen replayed through the real program from its start: every
// NAME.script in the scripts folder runs with `korvel replay` on a fresh data folder and its
// output must equal NAME.expected (each checked by hand against the rules of the screen and
// the file formats; a file written shows with "\r" before each line end).
#include "tests/support/replay_script.h"

#include <QDir>

namespace {

using namespace korvel::testing;

const QDir& scriptDir() {
    static const QDir dir(QStringLiteral(KORVEL_REVIEW_SCRIPTS));
    return dir;
}

class ReviewScript : public ::testing::TestWithParam<QString> {};

TEST_P(ReviewScript, ReplayMatchesExpected) {
    expectReplayMatches(scriptDir(), GetParam(), {.dataAsPlaceholder = true});
}

INSTANTIATE_TEST_SUITE_P(Sessions, ReviewScript, ::testing::ValuesIn(scriptNames(scriptDir())),
                         scriptTestName);

} // namespace
