// One project's history file, open: the runs, every check of a keyword on an
// engine with its top ten, kept in SQLite (docs/history.md gives the tables).
// Writes of one check are one transaction, so a crash or Stop loses at most the
// check in flight. Texts go in and come out as the program's single-byte text;
// the file holds them as UTF-8.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/Date.h"
#include "history/Sqlite.h"
#include "ranking/ProjectState.h"

namespace kestrova {

// What a history is opened for: a run must be able to write it at once, and a
// damaged file is refused before the run starts; readers only read.
enum class HistoryAccess { ForRun, ForReading };

enum class HistoryFailure { None, NotAHistory, Newer, Locked, NoAccess, CannotCreate };

class HistoryStore;

// Fills a history just made, before it takes its place beside the project.
using HistorySeeder = std::function<SqliteStatus(HistoryStore&)>;

struct HistoryOpenResult {
  std::unique_ptr<HistoryStore> store;  // null on failure
  HistoryFailure failure = HistoryFailure::None;
  std::string detail;  // SQLite's words for the failure
};

class HistoryStore {
 public:
  // Opens the history at `path`. A missing file is built under a temporary
  // name, filled by `seed`, and only then moved into place, so a history is
  // either complete or absent. An existing file is never replaced or rebuilt.
  static HistoryOpenResult Open(const std::string& path, HistoryAccess access,
                                const HistorySeeder& seed);

  // A new row in runs; the checks added after it belong to it.
  SqliteStatus BeginRun(std::string_view kind, std::string_view startedAt, int jobs);
  // Closes the current run: its end and whether the person stopped it.
  SqliteStatus EndRun(std::string_view endedAt, bool stopped);
  bool HasRun() const { return runId_ != 0; }

  // The check `record` holds, dated `checkedAt` (ISO 8601), with its top URLs,
  // committed in one transaction.
  SqliteStatus AddCheck(const RankingRecord& record, std::string_view checkedAt);
  // The same inside a transaction the caller holds (seeding).
  SqliteStatus InsertCheck(const RankingRecord& record, std::string_view checkedAt);

  // Runs `work` in one transaction: committed when it succeeds, rolled back otherwise.
  SqliteStatus InTransaction(const std::function<SqliteStatus()>& work);

  SqliteDb& Db() { return db_; }

 private:
  HistoryStore() = default;
  static SqliteStatus Create(const std::string& path, const HistorySeeder& seed);
  HistoryFailure OpenExisting(const std::string& path, HistoryAccess access, SqliteStatus& status);
  SqliteStatus PrepareWrites();

  SqliteDb db_;
  SqliteStatement insertRun_, endRun_, insertCheck_, insertUrl_;
  std::int64_t runId_ = 0;
};

}  // namespace kestrova
