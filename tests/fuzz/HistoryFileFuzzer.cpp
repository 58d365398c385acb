// A project's history file, damaged or made by someone else: it is opened for
// reading and every query the History view and the command line make runs on
// it; then it is opened for a run, which adds a check. Each step may refuse the
// file, none may crash or hang.
//
// Input: the file's bytes (the seeds are histories the program wrote).
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "history/Competitors.h"
#include "history/HistoryQueries.h"
#include "history/KeywordHistory.h"

namespace kestrova::fuzz {
namespace {

const std::string& HistoryPath() {
  static const std::string path = [] {
    const char* folder = std::getenv("TMPDIR");
    return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
           "/kestrova-fuzz-history-" + std::to_string(getpid()) + ".db";
  }();
  return path;
}

// The file alone, without a journal or log an earlier input left beside it.
void PlaceFile(std::string_view bytes) {
  for (const char* suffix : {"-journal", "-wal", "-shm"})
    std::remove((HistoryPath() + suffix).c_str());
  std::ofstream(HistoryPath(), std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<long>(bytes.size()));
}

void Query(HistoryStore& store) {
  std::vector<std::string> keywords;
  ForEachCheck(store, {}, [&keywords](const CheckRow& row) {
    if (keywords.size() < 3) keywords.push_back(row.keyword);
  });
  std::vector<TopUrlRow> urls;
  CheckFilter filter;
  filter.since = "2000-01-01T00:00:00";
  ForEachTopUrl(store, filter, [&urls](const TopUrlRow& row) { urls.push_back(row); });
  BuildCompetitors(urls);
  BestRanks best;
  ReadBestRanks(store, filter, best);
  for (const std::string& keyword : keywords) {
    KeywordHistory history;
    if (ReadKeywordHistory(store, keyword, {"Google", "Yahoo"}, history).ok()) {
      for (const EngineSeries& series : history.series) {
        for (const CheckRow& check : series.checks)
          Require(check.rank < history.notFoundLevel,
                  "the chart's bottom line lies below every rank");
      }
    }
    CheckFilter one;
    one.keyword = keyword;
    one.engine = "Google";
    ForEachCheck(store, one, [](const CheckRow&) {});
  }
}

RankingRecord OneCheck() {
  RankingRecord record;
  record.CheckedAt = "03/09/2024 02:05:06 PM";
  record.Keyword = "bird widgets";
  record.Engine = "Google";
  record.Domain = record.CheckedDomain = "www.widgetworks.com";
  record.Succeeded = true;
  record.Rank = 3;
  record.Page = 1;
  record.PagePosition = 3;
  record.TopUrls[0] = "http://www.widgetworks.com/";
  record.TopUrlCount = 1;
  return record;
}

}  // namespace
}  // namespace kestrova::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  using namespace kestrova::fuzz;
  PlaceFile(std::string_view(reinterpret_cast<const char*>(data), size));
  {
    HistoryOpenResult reading = HistoryStore::Open(HistoryPath(), HistoryAccess::ForReading, {});
    Require((reading.store != nullptr) == (reading.failure == HistoryFailure::None),
            "a history opens or says why not");
    if (reading.store) Query(*reading.store);
  }
  HistoryOpenResult run = HistoryStore::Open(HistoryPath(), HistoryAccess::ForRun, {});
  Require((run.store != nullptr) == (run.failure == HistoryFailure::None),
          "a history opens or says why not");
  if (!run.store) return 0;
  HistoryStore& store = *run.store;
  if (store.BeginRun("rank", "2024-03-09T14:05:06", 2).ok()) {
    store.AddCheck(OneCheck(), "2024-03-09T14:05:06");
    store.EndRun("2024-03-09T14:06:00", false);
  }
  Query(store);
  return 0;
}
