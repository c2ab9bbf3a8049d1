// The help-file reader on any text, and the page of every topic it found.
#include "platform/help_file.h"
#include "tests/fuzz/fuzz_support.h"

#include <QTextStream>

#include <cstdlib>

using namespace korvel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString text = fuzz::text(data, size);
    QTextStream in(&text);
    const HelpFile file = HelpFile::parse(in);
    for (const HelpTopic& t : file.topics())
        if (file.topic(t.context) == nullptr) std::abort();
    (void)file.topic(0);
    (void)file.topic(-1);
    return 0;
}
