// One keyword's history as the History view draws it: a series of checks per
// engine, engines in the order the person chose them, and the level at which
// "not found" is drawn, below the deepest rank any series reached.
#pragma once

#include <string>
#include <vector>

#include "history/HistoryQueries.h"

namespace kestrova {

struct EngineSeries {
  std::string engine;
  std::vector<CheckRow> checks;  // oldest first
};

struct KeywordHistory {
  std::string keyword;
  std::vector<EngineSeries> series;
  int notFoundLevel = 15;  // the chart's bottom line; ranks run 1 to notFoundLevel - 1
};

// Engines in `order` come first, in that order; engines the history holds but
// `order` lacks follow by name.
SqliteStatus ReadKeywordHistory(HistoryStore& store, const std::string& keyword,
                                const std::vector<std::string>& order, KeywordHistory& history);

// The bottom line for charts whose deepest rank is `deepest`: half a step of
// ten below the next multiple of ten at or above it (at least 10), so "not
// found" stands apart from the last rank label.
int NotFoundLevel(int deepest);

// The columns of a check as "history" prints them: date, keyword, engine, rank,
// page, position, result.
std::vector<std::string> CheckColumns();
std::vector<std::string> CheckCells(const CheckRow& check);

}  // namespace kestrova
