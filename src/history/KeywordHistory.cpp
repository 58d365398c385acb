#include "history/KeywordHistory.h"

#include <algorithm>

#include "history/HistoryTexts.h"

namespace kestrova {

SqliteStatus ReadKeywordHistory(HistoryStore& store, const std::string& keyword,
                                const std::vector<std::string>& order, KeywordHistory& history) {
  history = KeywordHistory{};
  history.keyword = keyword;
  std::vector<EngineSeries> unordered;
  CheckFilter filter;
  filter.keyword = keyword;
  int deepest = 0;
  const SqliteStatus status = ForEachCheck(store, filter, [&](const CheckRow& check) {
    auto series = std::find_if(unordered.begin(), unordered.end(),
                               [&](const EngineSeries& s) { return s.engine == check.engine; });
    if (series == unordered.end()) series = unordered.insert(unordered.end(), {check.engine, {}});
    series->checks.push_back(check);
    deepest = std::max(deepest, check.rank);
  });
  auto place = [&order](const std::string& engine) {
    return std::find(order.begin(), order.end(), engine) - order.begin();
  };
  std::stable_sort(unordered.begin(), unordered.end(),
                   [&](const EngineSeries& a, const EngineSeries& b) {
                     if (place(a.engine) != place(b.engine)) {
                       return place(a.engine) < place(b.engine);
                     }
                     return a.engine < b.engine;
                   });
  history.series = std::move(unordered);
  history.notFoundLevel = NotFoundLevel(deepest);
  return status;
}

int NotFoundLevel(int deepest) {
  const int floor = std::max(deepest, 10);
  return (floor + 9) / 10 * 10 + 5;
}

std::vector<std::string> CheckColumns() {
  return {"date", "keyword", "engine", "rank", "page", "position", "result"};
}

std::vector<std::string> CheckCells(const CheckRow& check) {
  return {check.date,
          check.keyword,
          check.engine,
          std::to_string(check.rank),
          std::to_string(check.page),
          std::to_string(check.position),
          std::string(check.succeeded ? history_texts::kSucceeded : history_texts::kFailed)};
}

}  // namespace kestrova
