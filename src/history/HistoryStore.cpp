#include "history/HistoryStore.h"

#include <algorithm>

#include "base/Codepage.h"
#include "history/HistoryTexts.h"

namespace kestrova {
namespace {

SqliteStatus Run(SqliteStatement& statement) {
  const int code = statement.Step();
  SqliteStatus status = statement.LastStatus(code);
  statement.Reset();
  return status;
}

}  // namespace

SqliteStatus HistoryStore::PrepareWrites() {
  for (auto [statement, sql] : {
           std::pair{&insertRun_, "INSERT INTO runs (kind, started_at, jobs) VALUES (?1, ?2, ?3)"},
           std::pair{&endRun_, "UPDATE runs SET ended_at = ?1, ended_by = ?2 WHERE id = ?3"},
           std::pair{&insertCheck_,
                     "INSERT INTO checks (run_id, checked_at, keyword, engine, domain, succeeded,"
                     " rank, page, position, keyword_depth, trend, change)"
                     " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)"},
           std::pair{&insertUrl_, "INSERT INTO top_urls (check_id, slot, url) VALUES (?1, ?2, ?3)"},
       }) {
    if (SqliteStatus status = db_.Prepare(sql, *statement); !status.ok()) return status;
  }
  return {};
}

SqliteStatus HistoryStore::InTransaction(const std::function<SqliteStatus()>& work) {
  if (SqliteStatus status = db_.Exec("BEGIN IMMEDIATE"); !status.ok()) return status;
  SqliteStatus status = work();
  if (status.ok()) status = db_.Exec("COMMIT");
  if (!status.ok()) db_.Exec("ROLLBACK");
  return status;
}

SqliteStatus HistoryStore::BeginRun(std::string_view kind, std::string_view startedAt, int jobs) {
  insertRun_.Bind(1, kind);
  insertRun_.Bind(2, startedAt);
  insertRun_.Bind(3, std::int64_t{jobs});
  SqliteStatus status = Run(insertRun_);
  runId_ = status.ok() ? db_.LastInsertId() : 0;
  return status;
}

SqliteStatus HistoryStore::EndRun(std::string_view endedAt, bool stopped) {
  endRun_.Bind(1, endedAt);
  endRun_.Bind(2, stopped ? history_texts::kEndedByUser : history_texts::kEndedFinished);
  endRun_.Bind(3, runId_);
  return Run(endRun_);
}

SqliteStatus HistoryStore::InsertCheck(const RankingRecord& record, std::string_view checkedAt) {
  insertCheck_.Bind(1, runId_);
  insertCheck_.Bind(2, checkedAt);
  insertCheck_.Bind(3, Cp1252ToUtf8(record.Keyword));
  insertCheck_.Bind(4, Cp1252ToUtf8(record.Engine));
  insertCheck_.Bind(5, Cp1252ToUtf8(record.Domain));
  insertCheck_.Bind(6, std::int64_t{record.Succeeded ? 1 : 0});
  insertCheck_.Bind(7, std::int64_t{record.Rank});
  insertCheck_.Bind(8, std::int64_t{record.Page});
  insertCheck_.Bind(9, std::int64_t{record.PagePosition});
  insertCheck_.Bind(10, std::int64_t{record.KeywordDepth});
  insertCheck_.Bind(11, Cp1252ToUtf8(record.TrendText));
  insertCheck_.Bind(12, Cp1252ToUtf8(record.ChangeText));
  if (SqliteStatus status = Run(insertCheck_); !status.ok()) return status;
  const std::int64_t checkId = db_.LastInsertId();
  const int count = std::clamp<int>(record.TopUrlCount, 0, kTopUrlSlots);
  for (int slot = 1; slot <= count; ++slot) {
    insertUrl_.Bind(1, checkId);
    insertUrl_.Bind(2, std::int64_t{slot});
    insertUrl_.Bind(3, Cp1252ToUtf8(record.TopUrls[static_cast<std::size_t>(slot - 1)]));
    if (SqliteStatus status = Run(insertUrl_); !status.ok()) return status;
  }
  return {};
}

SqliteStatus HistoryStore::AddCheck(const RankingRecord& record, std::string_view checkedAt) {
  return InTransaction([&] { return InsertCheck(record, checkedAt); });
}

}  // namespace kestrova
