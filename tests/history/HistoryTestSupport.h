// Records and histories for the history tests.
#pragma once

#include <string>
#include <vector>

#include "history/HistoryQueries.h"
#include "history/ProjectHistory.h"
#include "ranking/ProjectState.h"
#include "support/CheckRecords.h"

namespace kestrova::test {

inline RankingRecord Check(const std::string& keyword, const std::string& engine, int rank,
                           const std::string& checkedAt = "03/09/2024 02:05:06 PM",
                           const std::vector<std::string>& urls = {}) {
  return CheckRecord(keyword, engine, rank, checkedAt, urls);
}

inline std::vector<CheckRow> AllChecks(HistoryStore& store, const CheckFilter& filter = {}) {
  std::vector<CheckRow> rows;
  const SqliteStatus status =
      ForEachCheck(store, filter, [&rows](const CheckRow& row) { rows.push_back(row); });
  EXPECT_TRUE(status.ok()) << status.message;
  return rows;
}

// Each check as one line: "date engine keyword rank/page/position result trend|change".
inline std::vector<std::string> CheckLines(HistoryStore& store, const CheckFilter& filter = {}) {
  std::vector<std::string> lines;
  for (const CheckRow& r : AllChecks(store, filter)) {
    lines.push_back(r.date + " " + r.engine + " " + r.keyword + " " + std::to_string(r.rank) + "/" +
                    std::to_string(r.page) + "/" + std::to_string(r.position) +
                    (r.succeeded ? " ok " : " failed ") + r.trend + "|" + r.change);
  }
  return lines;
}

// One run of `records`, started at `start`, as the ranking run reports it.
inline void RecordRun(ProjectHistory& history, Date start,
                      const std::vector<RankingRecord>& records, bool stopped = false) {
  history.RunStarted(start, 1);
  for (const RankingRecord& record : records) history.RecordWritten(record);
  history.RunEnded(start, stopped);
}

}  // namespace kestrova::test
