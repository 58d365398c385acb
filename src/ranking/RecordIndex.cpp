#include "ranking/RecordIndex.h"

#include <algorithm>
#include <cstdint>

namespace kestrova {

RecordIndex::RecordIndex(const std::vector<RankingRecord>& records) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    const RankingRecord& record = records[i];
    if (record.IsFree()) {
      free_.insert(free_.end(), i);
      continue;
    }
    firstOfPair_.try_emplace(PairKey(record.Keyword, record.Engine), i);
    keywords_.insert(record.Keyword);
  }
}

std::string RecordIndex::PairKey(std::string_view keyword, std::string_view engine) {
  std::string key = std::to_string(keyword.size());
  key += ':';
  key += keyword;
  key += engine;
  return key;
}

int RecordIndex::Find(std::string_view keyword, std::string_view engine) const {
  std::size_t best = SIZE_MAX;
  if (!free_.empty()) best = *free_.begin();
  const auto pair = firstOfPair_.find(PairKey(keyword, engine));
  if (pair != firstOfPair_.end()) best = std::min(best, pair->second);
  return best == SIZE_MAX ? 0 : static_cast<int>(best) + 1;
}

bool RecordIndex::HasKeyword(std::string_view keyword) const {
  return keywords_.count(std::string(keyword)) > 0;
}

void RecordIndex::AddedFree(std::size_t index) {
  free_.insert(index);
}

void RecordIndex::Taken(std::size_t index, const std::string& keyword, const std::string& engine) {
  if (keyword.empty()) {  // a record without a keyword stays free
    free_.insert(index);
    return;
  }
  free_.erase(index);
  auto [pair, added] = firstOfPair_.try_emplace(PairKey(keyword, engine), index);
  if (!added) pair->second = std::min(pair->second, index);
  keywords_.insert(keyword);
}

}  // namespace kestrova
