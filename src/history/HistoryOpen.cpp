// Opening a history file: an existing one is checked and brought to the current
// schema; a missing one is built aside, seeded, and moved into place.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "history/HistorySchema.h"
#include "history/HistoryStore.h"

namespace kestrova {
namespace {

// How long a write waits for another program's transaction before giving up.
constexpr int kBusyTimeoutMs = 3000;

void RemoveWithJournal(const std::string& path) {
  for (const char* suffix : {"", "-journal", "-wal", "-shm"}) std::remove((path + suffix).c_str());
}

HistoryFailure FailureOf(const SqliteStatus& status) {
  if (status.busy()) return HistoryFailure::Locked;
  if (status.code == SQLITE_CANTOPEN || status.code == SQLITE_READONLY ||
      status.code == SQLITE_PERM) {
    return HistoryFailure::NoAccess;
  }
  return HistoryFailure::NotAHistory;
}

}  // namespace

SqliteStatus HistoryStore::Create(const std::string& path, const HistorySeeder& seed) {
  const std::string temporary = path + ".new-" + std::to_string(getpid());
  RemoveWithJournal(temporary);
  SqliteStatus status;
  {
    HistoryStore fresh;
    status = fresh.db_.Open(temporary, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (status.ok() && MigrateHistory(fresh.db_, true, status) != SchemaCheck::Migrated &&
        status.ok()) {
      status = {SQLITE_ERROR, "its tables could not be made"};
    }
    if (status.ok()) status = fresh.PrepareWrites();
    if (status.ok() && seed) status = seed(fresh);
  }  // closed, its journal gone: the file alone is the whole history
  // A link never replaces a file that appeared meanwhile; rename is for file
  // systems without links.
  if (status.ok() && link(temporary.c_str(), path.c_str()) != 0 && errno != EEXIST &&
      std::rename(temporary.c_str(), path.c_str()) != 0) {
    status = {SQLITE_CANTOPEN, "it cannot be moved into place"};
  }
  RemoveWithJournal(temporary);
  return status;
}

HistoryFailure HistoryStore::OpenExisting(const std::string& path, HistoryAccess access,
                                          SqliteStatus& status) {
  status = db_.Open(path, SQLITE_OPEN_READWRITE);
  if (!status.ok()) return FailureOf(status);
  db_.SetBusyTimeout(kBusyTimeoutMs);
  switch (MigrateHistory(db_, false, status)) {
    case SchemaCheck::Current:
    case SchemaCheck::Migrated:
      break;
    case SchemaCheck::Newer:
      return HistoryFailure::Newer;
    case SchemaCheck::NotAHistory:
      return HistoryFailure::NotAHistory;
    case SchemaCheck::Failed:
      return FailureOf(status);
  }
  // WAL: readers never wait for the run, and a commit is one append to the log.
  // NORMAL: a killed program loses nothing committed; only a power cut may lose
  // the last commits, and never the file.
  std::string mode;
  status = db_.QueryText("PRAGMA journal_mode = WAL", mode);
  if (status.ok()) status = db_.Exec("PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON");
  if (!status.ok()) return FailureOf(status);
  if (access == HistoryAccess::ForRun) {
    if (db_.IsReadOnly()) {
      status = {SQLITE_READONLY, "the file is write-protected"};
      return HistoryFailure::NoAccess;
    }
    std::string verdict;
    status = db_.QueryText("PRAGMA quick_check", verdict);
    if (status.ok() && verdict != "ok") status = {SQLITE_CORRUPT, verdict};
    if (!status.ok()) return FailureOf(status);
    // The run must be able to write at once, not find out at its first check.
    status = db_.Exec("BEGIN IMMEDIATE; ROLLBACK");
    if (!status.ok()) return FailureOf(status);
  }
  status = PrepareWrites();
  return status.ok() ? HistoryFailure::None : FailureOf(status);
}

HistoryOpenResult HistoryStore::Open(const std::string& path, HistoryAccess access,
                                     const HistorySeeder& seed) {
  HistoryOpenResult result;
  SqliteStatus status;
  if (::access(path.c_str(), F_OK) != 0) {
    status = Create(path, seed);
    if (!status.ok()) {
      result.failure = HistoryFailure::CannotCreate;
      result.detail = status.message;
      return result;
    }
  }
  std::unique_ptr<HistoryStore> store(new HistoryStore());
  result.failure = store->OpenExisting(path, access, status);
  if (result.failure == HistoryFailure::None) {
    result.store = std::move(store);
  } else {
    result.detail = status.message;
  }
  return result;
}

}  // namespace kestrova
