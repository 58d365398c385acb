#include "history/HistorySchema.h"

#include <string>

namespace kestrova {
namespace {

// kMigrations[n] takes a file from version n to n + 1. Never edit one that has
// shipped: add the next instead.
constexpr const char* kMigrations[kHistorySchemaVersion] = {
    // 0 -> 1: runs, their checks and each check's top ten.
    R"sql(
CREATE TABLE runs (
  id INTEGER PRIMARY KEY,
  kind TEXT NOT NULL CHECK (kind IN ('run', 'seed')),
  started_at TEXT NOT NULL,
  ended_at TEXT,
  jobs INTEGER NOT NULL,
  ended_by TEXT CHECK (ended_by IN ('finished', 'user'))
);
CREATE TABLE checks (
  id INTEGER PRIMARY KEY,
  run_id INTEGER NOT NULL REFERENCES runs (id),
  checked_at TEXT NOT NULL,
  keyword TEXT NOT NULL,
  engine TEXT NOT NULL,
  domain TEXT NOT NULL,
  succeeded INTEGER NOT NULL CHECK (succeeded IN (0, 1)),
  rank INTEGER NOT NULL,
  page INTEGER NOT NULL,
  position INTEGER NOT NULL,
  keyword_depth INTEGER NOT NULL,
  trend TEXT NOT NULL,
  change TEXT NOT NULL
);
CREATE INDEX checks_by_keyword ON checks (keyword, engine, checked_at);
CREATE INDEX checks_by_date ON checks (checked_at);
CREATE TABLE top_urls (
  check_id INTEGER NOT NULL REFERENCES checks (id),
  slot INTEGER NOT NULL CHECK (slot BETWEEN 1 AND 10),
  url TEXT NOT NULL,
  PRIMARY KEY (check_id, slot)
) WITHOUT ROWID;
)sql",
};

}  // namespace

SchemaCheck MigrateHistory(SqliteDb& db, bool fresh, SqliteStatus& status) {
  std::int64_t version = 0;
  status = db.QueryInt("PRAGMA user_version", version);
  if (!status.ok()) return status.busy() ? SchemaCheck::Failed : SchemaCheck::NotAHistory;
  if (version > kHistorySchemaVersion) return SchemaCheck::Newer;
  if (version == kHistorySchemaVersion) return SchemaCheck::Current;
  if (version < 0 || (version == 0 && !fresh)) return SchemaCheck::NotAHistory;
  for (std::int64_t v = version; v < kHistorySchemaVersion; ++v) {
    const std::string step = std::string("BEGIN IMMEDIATE;") + kMigrations[v] +
                             "PRAGMA user_version = " + std::to_string(v + 1) + "; COMMIT;";
    status = db.Exec(step);
    if (!status.ok()) {
      db.Exec("ROLLBACK");
      return SchemaCheck::Failed;
    }
  }
  return SchemaCheck::Migrated;
}

}  // namespace kestrova
