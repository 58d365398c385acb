#include "history/HistorySeed.h"

#include <algorithm>
#include <vector>

#include "history/HistoryDates.h"
#include "history/HistoryTexts.h"

namespace kestrova {

SqliteStatus SeedFromRecords(HistoryStore& store, const ProjectState& project) {
  std::vector<std::pair<const RankingRecord*, std::string>> dated;
  for (const RankingRecord& record : project.Rankings) {
    if (record.IsFree()) continue;
    if (const auto parts = ParseRecordDate(record.CheckedAt)) {
      dated.emplace_back(&record, IsoDateText(*parts));
    } else if (!(project.LastRunDate == kNeverRun)) {
      dated.emplace_back(&record, IsoDateText(project.LastRunDate));
    }
  }
  if (dated.empty()) return {};
  // Oldest first, as runs would have added them; records of one date keep their order.
  std::stable_sort(dated.begin(), dated.end(),
                   [](const auto& a, const auto& b) { return a.second < b.second; });
  return store.InTransaction([&]() -> SqliteStatus {
    SqliteStatus status = store.BeginRun(history_texts::kSeedKind, dated.front().second, 1);
    for (const auto& [record, date] : dated) {
      if (status.ok()) status = store.InsertCheck(*record, date);
    }
    if (status.ok()) status = store.EndRun(dated.back().second, false);
    return status;
  });
}

}  // namespace kestrova
