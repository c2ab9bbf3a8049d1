#include "scoring/serial.h"

#include <gtest/gtest.h>

using namespace korvel::scoring;

namespace {

struct Step {
    const char* text;
    const char* used;
    const char* next;
};

void expectStep(const SerialStep& got, const Step& want) {
    EXPECT_EQ(got.used.toStdString(), want.used) << '"' << want.text << '"';
    EXPECT_EQ(got.next.toStdString(), want.next) << '"' << want.text << '"';
}

} // namespace

TEST(Serial, Format) {
    const std::pair<long long, const char*> cases[] = {
        {0, "000"},   {1, "001"},     {10, "010"},     {99, "099"},
        {999, "999"}, {1000, "1000"}, {12345, "12345"}};
    for (const auto& [n, text] : cases)
        EXPECT_EQ(formatSerial(n).toStdString(), text) << n;
}

TEST(Serial, NextAfterALoggedQso) {
    const Step cases[] = {{"001", "001", "002"},  {"009", "009", "010"},    {"099", "099", "100"},
                          {"999", "999", "1000"}, {"1000", "1000", "1001"}, {"5", "005", "006"},
                          {" 42 ", "042", "043"}, {"", "000", "001"},       {"ABC", "000", "001"}};
    for (const Step& s : cases)
        expectStep(nextSerial(QString::fromLatin1(s.text)), s);
}

TEST(Serial, ResumeFromTheLastLoggedQso) {
    const Step cases[] = {
        {"599 014", "014", "015"},    {"59 099", "099", "100"},  {"599 999", "999", "1000"},
        {"599 1203", "1203", "1204"}, {"599 000", "000", "001"}, {"", "000", "001"},
        {"027", "027", "028"}, // no blank: the whole text is the serial
    };
    for (const Step& s : cases)
        expectStep(resumeSerial(QString::fromLatin1(s.text)), s);
}
