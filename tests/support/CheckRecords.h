// Ranking records as a check leaves them, for tests of the rank history.
#pragma once

#include <string>
#include <vector>

#include "ranking/ProjectState.h"

namespace kestrova::test {

// A check of `keyword` on `engine` for www.example.com: found at `rank` (0: not
// found; below 0: the check failed), at `checkedAt`, with `urls` as its top ten.
inline RankingRecord CheckRecord(const std::string& keyword, const std::string& engine, int rank,
                                 const std::string& checkedAt = "03/09/2024 02:05:06 PM",
                                 const std::vector<std::string>& urls = {}) {
  RankingRecord record;
  record.Keyword = keyword;
  record.Engine = engine;
  record.Domain = record.CheckedDomain = "www.example.com";
  record.Succeeded = rank >= 0;
  record.Rank = static_cast<Integer>(rank > 0 ? rank : 0);
  record.Page = static_cast<Integer>(rank > 0 ? (rank - 1) / 10 + 1 : 0);
  record.PagePosition = static_cast<Integer>(rank > 0 ? (rank - 1) % 10 + 1 : 0);
  record.CheckedAt = checkedAt;
  record.TrendText = rank >= 0 ? "Unchanged with SUPER ranking" : "Re-run";
  record.ChangeText = rank >= 0 ? "---" : "";
  record.TopUrlCount = static_cast<Integer>(urls.size());
  for (std::size_t i = 0; i < urls.size() && i < record.TopUrls.size(); ++i) {
    record.TopUrls[i] = urls[i];
  }
  return record;
}

}  // namespace kestrova::test
