#include "history/Sqlite.h"

#include <utility>

namespace kestrova {

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), stmt_(std::exchange(other.stmt_, nullptr)) {}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
  if (this != &other) {
    sqlite3_finalize(stmt_);
    db_ = std::exchange(other.db_, nullptr);
    stmt_ = std::exchange(other.stmt_, nullptr);
  }
  return *this;
}

void SqliteStatement::Bind(int index, std::string_view text) {
  sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::Bind(int index, std::int64_t value) {
  sqlite3_bind_int64(stmt_, index, value);
}

void SqliteStatement::BindNull(int index) {
  sqlite3_bind_null(stmt_, index);
}

int SqliteStatement::Step() {
  return sqlite3_step(stmt_);
}

void SqliteStatement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

SqliteStatus SqliteStatement::LastStatus(int code) const {
  if (code == SQLITE_ROW || code == SQLITE_DONE || code == SQLITE_OK) return {code, {}};
  return {code, db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code)};
}

std::string_view SqliteStatement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
  if (text == nullptr) return {};
  return {text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))};
}

SqliteStatus SqliteDb::Open(const std::string& path, int flags) {
  Close();
  const int code = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
  SqliteStatus status = Status(code);
  if (code != SQLITE_OK) Close();
  return status;
}

void SqliteDb::Close() {
  // Statements are owned by their holders, who go first; close_v2 waits for any left.
  if (db_ != nullptr) sqlite3_close_v2(db_);
  db_ = nullptr;
}

SqliteStatus SqliteDb::Status(int code) const {
  if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) return {code, {}};
  return {code, db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code)};
}

SqliteStatus SqliteDb::Exec(std::string_view sql) {
  const std::string text(sql);
  return Status(sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr));
}

SqliteStatus SqliteDb::Prepare(std::string_view sql, SqliteStatement& statement) {
  sqlite3_stmt* stmt = nullptr;
  const int code =
      sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt, nullptr);
  statement = SqliteStatement(db_, stmt);
  return Status(code);
}

SqliteStatus SqliteDb::QueryInt(std::string_view sql, std::int64_t& value) {
  SqliteStatement statement;
  if (SqliteStatus status = Prepare(sql, statement); !status.ok()) return status;
  const int code = statement.Step();
  if (code == SQLITE_ROW) value = statement.Int(0);
  return statement.LastStatus(code);
}

SqliteStatus SqliteDb::QueryText(std::string_view sql, std::string& value) {
  SqliteStatement statement;
  if (SqliteStatus status = Prepare(sql, statement); !status.ok()) return status;
  const int code = statement.Step();
  if (code == SQLITE_ROW) value = std::string(statement.Text(0));
  return statement.LastStatus(code);
}

}  // namespace kestrova
