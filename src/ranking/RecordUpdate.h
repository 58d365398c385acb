// Writing a check's outcome into its ranking record: the change against the
// position it replaces, the trend text and the position on the found page.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "ranking/ProjectState.h"

namespace kestrova {

// What one engine check leaves for its record.
struct CheckOutcome {
  bool succeeded = false;
  Integer pageFound = 0;
  Integer position = 0;
  std::array<std::string, kTopUrlSlots> topUrls;  // slot 1 is topUrls[0]
  Integer topUrlCount = 0;
};

// "---", "Down, (-7)" or "  Up, (5)" for a move from `oldRank` to `newRank`,
// with the matching lead text ("Unchanged with ", "Dropped to ", "Increased to ").
struct ChangeTexts {
  std::string change;
  std::string lead;
};
ChangeTexts DescribeChange(Integer oldRank, Integer newRank);

// The position on the found page: the rank on page 1, rank - 10 x (page - 1)
// further on, 0 when either is 0.
Integer PagePositionOf(Integer rank, Integer page);

// Overwrites `record` with the check of `keyword` on `engine`, made at `checkedAt`
// (record form) for `domain` with the project's keyword depth.
void UpdateRankingRecord(RankingRecord& record, const CheckOutcome& outcome,
                         std::string_view keyword, std::string_view engine, std::string_view domain,
                         Integer keywordDepth, std::string_view checkedAt);

}  // namespace kestrova
