// Records and histories for the history tests.
#pragma once

#include <string>
#include <vector>

#include "history/HistoryQueries.h"
#include "history/ProjectHistory.h"
#include "ranking/ProjectState.h"

namespace kestrova::test {

inline RankingRecord Check(const std::string& keyword, const std::string& engine, Integer rank,
                           const std::string& checkedAt = "03/09/2024 02:05:06 PM",
                           std::vector<std::string> urls = {}) {
  RankingRecord record;
  record.Keyword = keyword;
  record.Engine = engine;
  record.Domain = record.CheckedDomain = "www.example.com";
  record.Succeeded = rank >= 0;
  record.Rank = rank > 0 ? rank : 0;
  record.Page = rank > 0 ? static_cast<Integer>((rank - 1) / 10 + 1) : 0;
  record.PagePosition = rank > 0 ? static_cast<Integer>((rank - 1) % 10 + 1) : 0;
  record.CheckedAt = checkedAt;
  record.TrendText = rank >= 0 ? "Unchanged with SUPER ranking" : "Re-run";
  record.ChangeText = rank >= 0 ? "---" : "";
  record.TopUrlCount = static_cast<Integer>(urls.size());
  for (std::size_t i = 0; i < urls.size() && i < record.TopUrls.size(); ++i) {
    record.TopUrls[i] = urls[i];
  }
  return record;
}

inline std::vector<CheckRow> AllChecks(HistoryStore& store, const CheckFilter& filter = {}) {
  std::vector<CheckRow> rows;
  const SqliteStatus status =
      ForEachCheck(store, filter, [&rows](const CheckRow& row) { rows.push_back(row); });
  EXPECT_TRUE(status.ok()) << status.message;
  return rows;
}

// One run of `records`, started at `start`, as the ranking run reports it.
inline void RecordRun(ProjectHistory& history, Date start,
                      const std::vector<RankingRecord>& records, bool stopped = false) {
  history.RunStarted(start, 1);
  for (const RankingRecord& record : records) history.RecordWritten(record);
  history.RunEnded(start, stopped);
}

}  // namespace kestrova::test
