// The same project ranked one engine at a time and eight at a time through
// kestrova-sim, in a world of slow, silent, broken, moved and empty pages:
// every file the two runs leave is the same byte for byte, and so is every
// record field.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "RankCliProcess.h"
#include "SimProcess.h"
#include "base/Files.h"
#include "engines/EngineCatalogue.h"
#include "ranking/ProjectState.h"
#include "store/ProjectFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace kestrova::test {
namespace {

namespace fs = std::filesystem;

const std::string kDomain = "www.e2e-jobs.com";
const std::string kEngines =
    "Google,AltaVista,HotBot,Lycos,MSN,Yahoo,Snap,Excite,Alles Klar AT,WebCrawler,AOL";

// Later engines answer sooner, so side by side they finish out of list order.
const std::string kScenario = R"({"seed": 11,
 "placements": [
  {"engine": "Google", "keyword": "*", "rank": 14, "domain": "www.e2e-jobs.com"},
  {"engine": "AltaVista", "keyword": "blue widgets", "rank": 3, "domain": "www.e2e-jobs.com"},
  {"engine": "MSN", "keyword": "*", "rank": 6, "domain": "www.e2e-jobs.com"},
  {"engine": "Snap", "keyword": "red shoes", "rank": 12, "domain": "www.e2e-jobs.com"},
  {"engine": "WebCrawler", "keyword": "*", "rank": 1, "domain": "www.e2e-jobs.com"}],
 "no_results": [{"engine": "Yahoo", "keyword": "*"}, {"engine": "Excite", "keyword": "red shoes"}],
 "faults": [
  {"engine": "Google", "keyword": "*", "kind": "latency", "ms": 300},
  {"engine": "AltaVista", "keyword": "*", "page": 1, "kind": "latency", "ms": 250},
  {"engine": "HotBot", "keyword": "blue widgets", "page": 1, "kind": "silence", "ms": 60000},
  {"engine": "Lycos", "keyword": "red shoes", "kind": "reset"},
  {"engine": "MSN", "keyword": "*", "kind": "redirect"},
  {"engine": "Snap", "keyword": "*", "kind": "latency", "ms": 150},
  {"engine": "Alles Klar AT", "keyword": "*", "kind": "latency", "ms": 100}]})";

// Every file under `folder` by its relative path.
std::map<std::string, std::string> FilesUnder(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    // The history file records how many engines ran at once; what it holds is
    // compared through the history commands instead.
    if (entry.path().filename().string().find("-history.db") != std::string::npos) continue;
    std::string bytes;
    ReadWholeFile(entry.path().string(), bytes);
    files[fs::relative(entry.path(), folder).string()] = bytes;
  }
  return files;
}

ProjectState Load(const std::string& path) {
  ProjectState project;
  ScriptedDialogs dialogs;
  EXPECT_TRUE(ReadProjectFile(path, project, dialogs, Catalogue()));
  return project;
}

// Ranks a fresh project in `work` with `jobs` engines at a time.
void RankIn(const TempFolder& work, const SimProcess& sim, const std::string& jobs) {
  const CliRun made =
      RunCliProcess(work.path(), {"new", "e2e.rnk", "--domain", kDomain, "--engines", kEngines,
                                  "--keywords", "blue widgets,red shoes", "--depth", "20",
                                  "--timeout", "1", "--report-dir", "reports"});
  ASSERT_EQ(made.exitCode, 0) << made.err;
  const CliRun run = RunCliProcess(
      work.path(), {"rank", "e2e.rnk", "--yes", "--clock", "2024-03-09 14:05:06", "--proxy",
                    "127.0.0.1:" + std::to_string(sim.Port()), "--jobs", jobs});
  ASSERT_EQ(run.exitCode, 0) << run.err;
}

TEST(RankJobs, EightAtATimeLeaveEveryFileAndRecordAsOneAtATime) {
  SimProcess sim(kScenario);
  ASSERT_NE(sim.Port(), 0);
  TempFolder one("kestrova-jobs-1-"), eight("kestrova-jobs-8-");
  RankIn(one, sim, "1");
  RankIn(eight, sim, "8");

  auto oneFiles = FilesUnder(one.path());
  auto eightFiles = FilesUnder(eight.path());
  for (const char* command : {"history", "serp"}) {
    for (auto [folder, files] : {std::pair{&one, &oneFiles}, std::pair{&eight, &eightFiles}}) {
      const CliRun shown = RunCliProcess(folder->path(), {command, "e2e.rnk", "--format", "csv"});
      ASSERT_EQ(shown.exitCode, 0) << shown.err;
      (*files)[std::string(command) + ".csv"] = shown.out;
    }
  }
  ASSERT_GT(oneFiles.size(), 30u);
  for (const auto& [name, bytes] : oneFiles) {
    ASSERT_EQ(eightFiles.count(name), 1u) << name;
    EXPECT_EQ(eightFiles.at(name), bytes) << name;
  }
  EXPECT_EQ(oneFiles.size(), eightFiles.size());

  const ProjectState a = Load(one / "e2e.rnk");
  const ProjectState b = Load(eight / "e2e.rnk");
  ASSERT_EQ(a.Rankings.size(), 22u);
  ASSERT_EQ(a.Rankings.size(), b.Rankings.size());
  for (std::size_t i = 0; i < a.Rankings.size(); ++i) {
    // Every field: the comparison is the record's own, member by member.
    EXPECT_EQ(a.Rankings[i], b.Rankings[i]) << a.Rankings[i].Keyword << "/" << a.Rankings[i].Engine;
  }
  // The world did what it was set up to do.
  const std::string log = oneFiles.at("reports/Log.html");
  for (const char* seen : {"TimedOut</font></b> : <a href=\"reports/domain_www.e2e-jobs.com/HotBot",
                           "Failed&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</font></b> : <a "
                           "href=\"reports/domain_www.e2e-jobs.com/Yahoo"}) {
    EXPECT_NE(log.find(seen), std::string::npos) << seen;
  }
  for (const RankingRecord& record : a.Rankings) {
    if (record.Engine == "MSN") {
      EXPECT_EQ(record.Rank, 6) << "redirected to the mirror";
    }
    if (record.Engine == "Lycos" && record.Keyword == "red shoes") {
      EXPECT_FALSE(record.Succeeded) << "reset";
    }
  }
}

}  // namespace
}  // namespace kestrova::test
