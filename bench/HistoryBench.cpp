// The rank history's two costs: the writes of a whole run (34 engines x 3
// keywords, each check with its top ten, one transaction per check, as the run
// makes them), and a history of many checks for `kestrova-cli history` to read.
// Usage: bench_history write DIR [RUNS]   one JSON line: ms per run, median/min/max
//        bench_history make FILE CHECKS   FILE (a project) and FILE-history.db
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "base/Messenger.h"
#include "engines/EngineCatalogue.h"
#include "history/HistoryDates.h"
#include "history/ProjectHistory.h"
#include "store/ProjectFile.h"

namespace kestrova::bench {
namespace {

class CountingMessenger : public Messenger {
 public:
  int messages = 0;
  MessageAnswer ShowMessage(std::string_view text, std::string_view, MessageButtons,
                            MessageIcon) override {
    ++messages;
    std::cerr << text << "\n";
    return MessageAnswer::Ok;
  }
  void SetBusy(bool) override {}
  void Yield() override {}
};

const char* kKeywords[] = {"rank checker", "website ranking", "site promotion"};

RankingRecord Check(const std::string& keyword, const std::string& engine, int run, Date at) {
  RankingRecord record;
  record.Keyword = keyword;
  record.Engine = engine;
  record.Domain = record.CheckedDomain = "www.kestrova-bench.com";
  record.Succeeded = true;
  record.Rank = static_cast<Integer>((run * 7 + engine.size()) % 50);
  record.Page = static_cast<Integer>(record.Rank ? (record.Rank - 1) / 10 + 1 : 0);
  record.PagePosition = static_cast<Integer>(record.Rank ? (record.Rank - 1) % 10 + 1 : 0);
  record.KeywordDepth = 50;
  record.TrendText = "Unchanged with GOOD ranking";
  record.ChangeText = "---";
  record.CheckedAt = FormatRecordDate(at);
  record.TopUrlCount = 10;
  for (int slot = 0; slot < 10; ++slot) {
    record.TopUrls[static_cast<std::size_t>(slot)] =
        "http://www.competitor-" + std::to_string(slot + run % 3) + ".com/" + engine + "/page.html";
  }
  return record;
}

Date RunDate(int run) {
  return Date{MakeDate({2024, 1, 1, 9, 0, 0}).days + run};
}

int Write(const std::string& dir, int runs) {
  CountingMessenger messenger;
  const std::string project = dir + "/write.rnk";
  std::remove(HistoryPathFor(project).c_str());
  auto history = OpenProjectHistory(project, ProjectState{}, messenger);
  if (!history) return 1;
  std::vector<double> ms;
  for (int run = 0; run < runs; ++run) {
    std::vector<RankingRecord> records;
    for (const char* keyword : kKeywords) {
      for (int e = 0; e <= Catalogue().LastEngineIndex; ++e) {
        records.push_back(
            Check(keyword, Catalogue().At(static_cast<Integer>(e)).Name, run, RunDate(run)));
      }
    }
    const auto start = std::chrono::steady_clock::now();
    history->RunStarted(RunDate(run), 1);
    for (const RankingRecord& record : records) history->RecordWritten(record);
    history->RunEnded(RunDate(run), false);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf(
      "{\"checks_per_run\": %d, \"runs\": %d, \"median_ms\": %.3f, \"min_ms\": %.3f, "
      "\"max_ms\": %.3f}\n",
      3 * (Catalogue().LastEngineIndex + 1), runs, ms[ms.size() / 2], ms.front(), ms.back());
  return messenger.messages == 0 ? 0 : 1;
}

// Runs of 102 checks, one transaction per run, until `checks` are kept.
int Make(const std::string& file, int checks) {
  ProjectState project;
  project.Domain = "www.kestrova-bench.com";
  SyncEngineLists(project, Catalogue());
  if (!WriteProjectFile(file, project)) return 1;
  std::remove(HistoryPathFor(file).c_str());
  CountingMessenger messenger;
  auto history = OpenProjectHistory(file, project, messenger);
  if (!history) return 1;
  HistoryStore& store = history->Store();
  int made = 0;
  for (int run = 0; made < checks; ++run) {
    const std::string date = IsoDateText(RunDate(run));
    const SqliteStatus status = store.InTransaction([&]() -> SqliteStatus {
      SqliteStatus step = store.BeginRun("run", date, 1);
      for (const char* keyword : kKeywords) {
        for (int e = 0; e <= Catalogue().LastEngineIndex && made < checks && step.ok(); ++e) {
          step = store.InsertCheck(
              Check(keyword, Catalogue().At(static_cast<Integer>(e)).Name, run, RunDate(run)),
              date);
          ++made;
        }
      }
      return step.ok() ? store.EndRun(date, false) : step;
    });
    if (!status.ok()) {
      std::cerr << status.message << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace
}  // namespace kestrova::bench

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 2 && args[0] == "write") {
    return kestrova::bench::Write(args[1], args.size() > 2 ? std::stoi(args[2]) : 20);
  }
  if (args.size() == 3 && args[0] == "make") {
    return kestrova::bench::Make(args[1], std::stoi(args[2]));
  }
  std::cerr << "usage: bench_history write DIR [RUNS] | make FILE CHECKS\n";
  return 2;
}
