// The country-file importer on any text: every row it makes has a six-character locator and
// a prefix.
#include "store/cty_import.h"
#include "tests/fuzz/fuzz_support.h"

#include <QTextStream>

#include <cstdlib>

using namespace korvel::store;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString text = korvel::fuzz::text(data, size);
    QTextStream in(&text);
    const CtyImport r = parseCtyDat(in, QStringLiteral("cty.dat"));
    for (const CountryRow& row : r.rows)
        if (row.qraLoc.size() != 6 || row.pfx.isEmpty()) std::abort();
    return 0;
}
