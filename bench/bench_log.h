#pragma once
// The log the benchmarks run on: 100,000 QSOs among 30,000 distinct calls from two dozen
// countries, spread over six bands and two modes, with a multiplier mark on one QSO in
// twenty. Everything is drawn from one random source that the caller seeds, so the same
// seed gives the same log and, drawn afterwards, the same probes.

#include "store/reference_data.h"
#include "store/rows.h"

#include <QHash> // std::hash<QString>
#include <QString>

#include <cstddef>
#include <optional>
#include <random>
#include <unordered_set>
#include <vector>

namespace korvel::bench {

inline constexpr int kLogSize = 100'000;
inline constexpr int kDistinctCalls = 30'000;

inline constexpr const char* kLogBands[] = {"10", "15", "20", "40", "80", "160"};
inline constexpr const char* kLogModes[] = {"CW", "SSB"};
// Country prefixes; the ones ending in a digit take no further call-area digit.
inline constexpr const char* kPrefixes[] = {"DL", "K",  "W",  "N",  "JA", "UA9", "UA3", "G",
                                            "F",  "I",  "SP", "OK", "OM", "ON",  "PA",  "EA",
                                            "HA", "YO", "LZ", "OH", "SM", "VE3", "YU",  "S5"};
inline constexpr const char* kCounties[] = {"CT*", "MA*", "NY*", "NJ*", "PA*", "OH*", "MI*", "IL*",
                                            "WI*", "MN*", "TX*", "CA*", "WA*", "OR*", "FL*", "GA*"};

using Random = std::mt19937;

// 0 .. n-1.
inline int pick(Random& rng, int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}

template <class T, std::size_t N> const T& pickOf(Random& rng, const T (&items)[N]) {
    return items[pick(rng, static_cast<int>(N))];
}

// A call of one of kPrefixes: prefix, call-area digit where the prefix has none, one to
// three letters.
QString randomCall(Random& rng);

// The country prefix a call of randomCall() was made from.
QString countryPrefix(const QString& call);

// QSO number `serial` (0-based) with one of `calls`.
store::QsoRow randomQso(Random& rng, const std::vector<QString>& calls, int serial);

// Fills the log file at `path` with `rows` in one unsynchronised transaction on a
// connection of its own; the schema is the one LogStore creates. Prints the error and
// returns false on failure.
bool bulkFill(const QString& path, const std::vector<store::QsoRow>& rows);

struct BenchLog {
    std::vector<QString> calls;        // the distinct calls, in the order they were drawn
    std::unordered_set<QString> known; // the same, for membership tests
    std::vector<store::QsoRow> rows;   // the QSOs as written, in entry order
};

// Draws kDistinctCalls calls and kLogSize QSOs among them and writes them to the log file
// at `path`. Returns false (with the error printed) when the file cannot be written.
bool buildLog(Random& rng, const QString& path, BenchLog& out);

// Writes the log to the log file in `folder` and opens the databases there (the reference
// database is built from the shipped data). Prints what failed and returns false.
bool openBenchDatabases(Random& rng, const QString& folder, store::Databases& dbs, BenchLog& log);

// The folder template for a benchmark's databases, from the arguments left after the
// benchmark options (needs the QCoreApplication): empty for the system's temporary folder,
// else a template inside the folder given; nullopt, with the usage printed, for more.
std::optional<QString> benchFolderTemplate(const char* program);

} // namespace korvel::bench
