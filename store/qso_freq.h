#pragma once
// The frequency of each logged QSO, in a table of its own beside LogGen (which keeps its
// twelve columns): QsoFreq (ID of the QSO in LogGen, KHz). Only QSOs logged while the
// radio was read have a row. One function per statement, every value bound.
//
// The desk sets the row when it stores a QSO (a correction sets it again, so the
// frequency stays), deletes it with the QSO, and clears the table with the log.

#include "store/connection.h"

#include <cstdint>
#include <map>
#include <optional>

namespace korvel::store {

// Creates the table when it is missing. Returns an empty string or the engine's error.
QString createQsoFreqTable(Connection& c);
// Sets the frequency of QSO `id` (inserted or replaced).
QString setQsoFreq(Connection& c, std::int64_t id, std::int64_t kHz);
// The frequency of QSO `id`; nothing when it has none or the read failed (`error` set).
std::optional<std::int64_t> qsoFreq(Connection& c, std::int64_t id, QString* error = nullptr);
QString deleteQsoFreq(Connection& c, std::int64_t id);
QString deleteAllQsoFreqs(Connection& c);
// Every frequency of the log by QSO ID, for one pass of an export.
std::map<std::int64_t, std::int64_t> allQsoFreqs(Connection& c, QString* error = nullptr);

} // namespace korvel::store
