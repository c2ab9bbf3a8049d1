// The readers of the shipped lists (WAG call history, callobl.csv, iaru.csv) on any text.
#include "store/reference_data.h"
#include "tests/fuzz/fuzz_support.h"

#include <QTextStream>

#include <cstdlib>

using namespace korvel::store;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = korvel::fuzz::text(data, size);
    QStringList warnings;
    QString a = text, b = text, c = text;
    QTextStream dokIn(&a), oblIn(&b), iaruIn(&c);
    for (const LearnedRow& r : parseDokCalls(dokIn, QStringLiteral("dok"), warnings))
        if (r.call.isEmpty() || r.value.isEmpty()) std::abort();
    for (const LearnedRow& r : parseCallObl(oblIn, QStringLiteral("obl"), warnings))
        if (r.call.size() != 2 || r.value.isEmpty()) std::abort();
    for (const IaruRow& r : parseIaru(iaruIn, QStringLiteral("iaru"), warnings))
        if (r.society.isEmpty()) std::abort();
    return 0;
}
