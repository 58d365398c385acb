// A thin hold on the SQLite C API: a connection and its prepared statements,
// closed when they go, with failures as values (the code and SQLite's text).
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrova {

struct SqliteStatus {
  int code = SQLITE_OK;
  std::string message;  // SQLite's own text for the failure

  bool ok() const { return code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE; }
  bool busy() const { return code == SQLITE_BUSY || code == SQLITE_LOCKED; }
};

class SqliteStatement {
 public:
  SqliteStatement() = default;
  SqliteStatement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
  ~SqliteStatement() { sqlite3_finalize(stmt_); }
  SqliteStatement(SqliteStatement&& other) noexcept;
  SqliteStatement& operator=(SqliteStatement&& other) noexcept;
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  bool valid() const { return stmt_ != nullptr; }

  // Parameters count from 1, as in SQL's "?1".
  void Bind(int index, std::string_view text);
  void Bind(int index, std::int64_t value);
  void BindNull(int index);

  // SQLITE_ROW while rows come, SQLITE_DONE at the end, an error code otherwise.
  int Step();
  // Ready to run again with new parameters.
  void Reset();
  SqliteStatus LastStatus(int code) const;

  std::string_view Text(int column) const;
  std::int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
  bool IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

 private:
  sqlite3* db_ = nullptr;
  sqlite3_stmt* stmt_ = nullptr;
};

class SqliteDb {
 public:
  SqliteDb() = default;
  ~SqliteDb() { Close(); }
  SqliteDb(const SqliteDb&) = delete;
  SqliteDb& operator=(const SqliteDb&) = delete;

  // `flags` as sqlite3_open_v2 takes them (SQLITE_OPEN_READWRITE ...).
  SqliteStatus Open(const std::string& path, int flags);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }

  // Runs one or more statements that return nothing wanted.
  SqliteStatus Exec(std::string_view sql);
  SqliteStatus Prepare(std::string_view sql, SqliteStatement& statement);
  // The first column of the first row of a one-value query.
  SqliteStatus QueryInt(std::string_view sql, std::int64_t& value);
  SqliteStatus QueryText(std::string_view sql, std::string& value);
  std::int64_t LastInsertId() const { return sqlite3_last_insert_rowid(db_); }
  void SetBusyTimeout(int milliseconds) { sqlite3_busy_timeout(db_, milliseconds); }
  // True when the file could only be opened for reading (write-protected).
  bool IsReadOnly() const { return sqlite3_db_readonly(db_, "main") == 1; }

 private:
  SqliteStatus Status(int code) const;
  sqlite3* db_ = nullptr;
};

}  // namespace kestrova
