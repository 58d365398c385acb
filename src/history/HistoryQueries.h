// Reading a history: its checks one by one in date order, the best rank each
// keyword reached on each engine, and the stored top tens. Rows are handed to
// a visitor as they are read, so a history of any size is read in little memory.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "history/HistoryStore.h"

namespace kestrova {

// Which checks to read; an unset part matches every check.
struct CheckFilter {
  std::optional<std::string> keyword, engine;
  std::optional<std::string> since;  // ISO 8601 local; checks at or after it
};

struct CheckRow {
  std::int64_t id = 0;
  std::string date;  // ISO 8601 local
  std::string keyword, engine, domain;
  bool succeeded = false;
  int rank = 0, page = 0, position = 0;
  std::string trend, change;
};

struct TopUrlRow {
  std::string date, keyword, engine;
  std::string ownDomain;  // the project's domain at the check
  int slot = 0;
  std::string url;
  std::string host;  // the URL's host: the domain that holds the slot
};

// Oldest first; checks of one date in the order they were made.
SqliteStatus ForEachCheck(HistoryStore& store, const CheckFilter& filter,
                          const std::function<void(const CheckRow&)>& visit);
// Every stored top-ten slot of the filtered checks, oldest check first, slot order.
SqliteStatus ForEachTopUrl(HistoryStore& store, const CheckFilter& filter,
                           const std::function<void(const TopUrlRow&)>& visit);

// The best (lowest) rank above 0 a keyword reached on an engine and the first
// date it did, over the whole history (the filter's date is not applied).
struct BestRank {
  int rank = 0;
  std::string date;
};
using BestRanks = std::map<std::pair<std::string, std::string>, BestRank>;  // (keyword, engine)
SqliteStatus ReadBestRanks(HistoryStore& store, const CheckFilter& filter, BestRanks& best);

}  // namespace kestrova
