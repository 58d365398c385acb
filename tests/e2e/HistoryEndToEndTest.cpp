// The rank history through kestrova-cli and kestrova-sim: runs on three dates
// as the domain moves, seeding from the records, a damaged history that must
// not stop a run, and a run killed outright.
#include <gtest/gtest.h>

#include <signal.h>

#include <fstream>
#include <map>

#include "RankCliProcess.h"
#include "SimProcess.h"
#include "base/Files.h"
#include "support/TempFolder.h"

namespace kestrova::test {
namespace {

const std::string kDomain = "www.e2e-history.com";

std::string Scenario(const std::map<std::string, int>& ranks, const std::string& extra = "") {
  std::string json = "{\"placements\": [";
  for (const auto& [engine, rank] : ranks) {
    if (json.back() != '[') json += ", ";
    json += "{\"engine\": \"" + engine +
            "\", \"keyword\": \"blue widgets\", \"rank\": " + std::to_string(rank) +
            ", \"domain\": \"" + kDomain + "\"}";
  }
  return json + "]" + extra + "}";
}

std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    const std::string line = text.substr(start, end - start);
    std::vector<std::string> cells(1);
    for (char c : line) {
      if (c == ',') {
        cells.emplace_back();
      } else {
        cells.back().push_back(c);
      }
    }
    rows.push_back(cells);
    start = end == std::string::npos ? text.size() : end + 2;
  }
  return rows;
}

class HistoryRun : public ::testing::Test {
 protected:
  void NewProject(const std::string& engines) {
    const CliRun run =
        RunCliProcess(folder_.path(), {"new", "h.rnk", "--domain", kDomain, "--engines", engines,
                                       "--keywords", "blue widgets", "--depth", "30", "--timeout",
                                       "5", "--report-dir", "reports"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
  }
  CliRun Rank(const SimProcess& sim, const std::string& clock, std::vector<std::string> extra = {},
              const std::string& killWhen = "") {
    std::vector<std::string> arguments = {"rank",
                                          "h.rnk",
                                          "--yes",
                                          "--clock",
                                          clock,
                                          "--proxy",
                                          "127.0.0.1:" + std::to_string(sim.Port())};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return RunCliProcess(folder_.path(), arguments, killWhen, SIGKILL);
  }
  CliRun Cli(const std::vector<std::string>& arguments) {
    return RunCliProcess(folder_.path(), arguments);
  }
  std::string Bytes(const std::string& name) {
    std::string bytes;
    ReadWholeFile(folder_ / name, bytes);
    return bytes;
  }

  TempFolder folder_{"kestrova-history-e2e-"};
};

TEST_F(HistoryRun, ThreeRunsGiveThreeDatedChecksPerEngineWithTheirRanks) {
  NewProject("Google,AltaVista,Lycos");
  const std::vector<std::pair<std::string, std::map<std::string, int>>> runs = {
      {"2024-03-01 10:00:00", {{"Google", 14}, {"AltaVista", 3}, {"Lycos", 25}}},
      {"2024-03-08 10:00:00", {{"Google", 7}, {"AltaVista", 3}}},  // Lycos: not listed
      {"2024-03-15 10:00:00", {{"Google", 1}, {"AltaVista", 12}, {"Lycos", 9}}}};
  for (const auto& [clock, ranks] : runs) {
    SimProcess sim(Scenario(ranks));
    ASSERT_NE(sim.Port(), 0);
    const CliRun run = Rank(sim, clock);
    ASSERT_EQ(run.exitCode, 0) << run.err;
  }

  const CliRun history = Cli({"history", "h.rnk", "--format", "csv"});
  ASSERT_EQ(history.exitCode, 0) << history.err;
  const auto rows = CsvRows(history.out);
  ASSERT_EQ(rows.size(), 10u) << history.out;
  EXPECT_EQ(rows[0], (std::vector<std::string>{"date", "keyword", "engine", "rank", "page",
                                               "position", "result"}));
  std::size_t row = 1;
  for (const auto& [clock, ranks] : runs) {
    for (const char* engine : {"Google", "AltaVista", "Lycos"}) {
      SCOPED_TRACE(clock + " " + engine);
      const int rank = ranks.count(engine) ? ranks.at(engine) : 0;
      const std::string date = clock.substr(0, 10) + "T" + clock.substr(11);
      EXPECT_EQ(rows[row], (std::vector<std::string>{
                               date, "blue widgets", engine, std::to_string(rank),
                               std::to_string(rank ? (rank - 1) / 10 + 1 : 0),
                               std::to_string(rank ? (rank - 1) % 10 + 1 : 0), "Success"}));
      ++row;
    }
  }

  const CliRun serp = Cli({"serp", "h.rnk", "--format", "csv"});
  ASSERT_EQ(serp.exitCode, 0) << serp.err;
  const auto slots = CsvRows(serp.out);
  ASSERT_EQ(slots.size(), 1u + 3 * 3 * 10);
  EXPECT_EQ(slots[0],
            (std::vector<std::string>{"date", "keyword", "engine", "slot", "url", "domain"}));
  // AltaVista's third slot on 1 March is the project's own page.
  EXPECT_EQ(slots[1 + 10 + 2],
            (std::vector<std::string>{"2024-03-01T10:00:00", "blue widgets", "AltaVista", "3",
                                      "http://" + kDomain + "/", kDomain}));
  const CliRun best = Cli({"history", "h.rnk", "--format", "csv", "--best", "--engine", "Lycos"});
  EXPECT_EQ(CsvRows(best.out).back().back(), "2024-03-15T10:00:00");
}

TEST_F(HistoryRun, AProjectWithoutHistoryIsSeededFromItsRecords) {
  NewProject("Google,Lycos");
  SimProcess sim(Scenario({{"Google", 4}, {"Lycos", 17}}));
  ASSERT_EQ(Rank(sim, "2024-04-02 16:30:00", {"--no-history"}).exitCode, 0);
  EXPECT_FALSE(FileExists(folder_ / "h.rnk-history.db"));
  const std::string project = Bytes("h.rnk");

  const CliRun history = Cli({"history", "h.rnk", "--format", "csv"});
  ASSERT_EQ(history.exitCode, 0) << history.err;
  EXPECT_EQ(history.out,
            "date,keyword,engine,rank,page,position,result\r\n"
            "2024-04-02T16:30:00,blue widgets,Google,4,1,4,Success\r\n"
            "2024-04-02T16:30:00,blue widgets,Lycos,17,2,7,Success\r\n");
  EXPECT_TRUE(FileExists(folder_ / "h.rnk-history.db"));
  EXPECT_EQ(Bytes("h.rnk"), project);  // the project file is not touched
}

TEST_F(HistoryRun, ADamagedHistoryIsReportedLeftAloneAndTheProjectStillRanks) {
  NewProject("Google,Lycos");
  const std::string garbage = "not a history, just some bytes\n";
  std::ofstream(folder_ / "h.rnk-history.db", std::ios::binary) << garbage;
  SimProcess sim(Scenario({{"Google", 2}, {"Lycos", 5}}));
  const CliRun run = Rank(sim, "2024-04-02 16:30:00");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("could not be opened: it is damaged or not a rank history"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(Bytes("h.rnk-history.db"), garbage);
  const CliRun show = Cli({"show", "h.rnk", "--format", "csv"});
  EXPECT_NE(show.out.find("Google,English,USA,\"  Up, (2)\",2,1,2,SUPER,Success"),
            std::string::npos)
      << show.out;
}

TEST_F(HistoryRun, AKilledRunLeavesAHistoryHoldingEveryEngineFinishedBeforeTheKill) {
  NewProject("Google,AltaVista,Lycos,MSN,Snap");
  SimProcess sim(Scenario({{"Google", 3}, {"AltaVista", 6}, {"Lycos", 9}, {"MSN", 2}},
                          ", \"faults\": [{\"engine\": \"Lycos\", \"kind\": \"silence\", "
                          "\"ms\": 20000}]"));
  // One engine at a time, so the kill comes while the third is in flight.
  const CliRun run = Rank(sim, "2024-05-06 07:08:09", {"--jobs", "1"}, "engine 03 of 05");
  EXPECT_EQ(run.exitCode, 128 + SIGKILL) << run.err;

  const CliRun history = Cli({"history", "h.rnk", "--format", "csv"});
  ASSERT_EQ(history.exitCode, 0) << history.err;
  EXPECT_EQ(history.out,
            "date,keyword,engine,rank,page,position,result\r\n"
            "2024-05-06T07:08:09,blue widgets,Google,3,1,3,Success\r\n"
            "2024-05-06T07:08:09,blue widgets,AltaVista,6,1,6,Success\r\n");
  // And a later run adds to it as usual.
  SimProcess healed(Scenario({{"Google", 1}}));
  ASSERT_EQ(Rank(healed, "2024-05-07 07:08:09", {"--keyword", "blue widgets"}).exitCode, 0);
  EXPECT_EQ(CsvRows(Cli({"history", "h.rnk", "--format", "csv"}).out).size(), 1u + 2 + 5);
}

}  // namespace
}  // namespace kestrova::test
