// Where a run finds each keyword's and engine's record: the first record of
// every pair, the free records in list order, and the keywords that have any
// record. Built once from the records when a run starts and told of every
// record the run takes, so a run at the record limit costs no more per check
// than one over a handful of records.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ranking/ProjectState.h"

namespace kestrova {

class RecordIndex {
 public:
  explicit RecordIndex(const std::vector<RankingRecord>& records);

  // As FindRankingRecord: the 1-based index of the first record, in list
  // order, that is for `keyword` on `engine` or is free; 0 when there is none.
  int Find(std::string_view keyword, std::string_view engine) const;
  // True when some record holds `keyword` (exact comparison).
  bool HasKeyword(std::string_view keyword) const;

  // Record `index` (0-based) is free: it was added at the end of the list.
  void AddedFree(std::size_t index);
  // Record `index` now holds `keyword` on `engine`; it was free, new at the
  // end of the list, or held that pair already.
  void Taken(std::size_t index, const std::string& keyword, const std::string& engine);

 private:
  // A pair's key keeps the keyword's length in front, so no keyword and
  // engine can run into another pair's (keywords may hold any byte).
  static std::string PairKey(std::string_view keyword, std::string_view engine);

  std::unordered_map<std::string, std::size_t> firstOfPair_;
  std::set<std::size_t> free_;
  std::unordered_set<std::string> keywords_;
};

}  // namespace kestrova
