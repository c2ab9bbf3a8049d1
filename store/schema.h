#pragma once
// Tables and indexes of the two databases. Creating them is idempotent: an existing
// table is kept as it is.

#include "store/connection.h"

namespace korvel::store {

inline constexpr const char* kRefDatabaseFile = "DbsKorvel.mdb";
inline constexpr const char* kLogDatabaseFile = "LogKorvel";

// Returns an empty string or the engine's error.
QString createReferenceSchema(Connection& c);
QString createLogSchema(Connection& c);

} // namespace korvel::store
