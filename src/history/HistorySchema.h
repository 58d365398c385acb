// The history file's tables, versioned by PRAGMA user_version: each migration
// takes the file one version forward, in its own transaction.
#pragma once

#include "history/Sqlite.h"

namespace kestrova {

// The version this program writes; 0 is a file without our tables.
constexpr int kHistorySchemaVersion = 1;

enum class SchemaCheck { Current, Migrated, NotAHistory, Newer, Failed };

// Brings a history to kHistorySchemaVersion. A file at version 0 is only
// built from scratch when `fresh` (one this program has just made); any
// other version-0 file is not a history and is left alone, as is a newer one.
SchemaCheck MigrateHistory(SqliteDb& db, bool fresh, SqliteStatus& status);

}  // namespace kestrova
