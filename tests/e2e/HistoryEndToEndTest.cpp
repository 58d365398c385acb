// The rank history through kestrova-cli and kestrova-sim: runs on three dates
// as the domain moves, seeding from the records, a damaged history that must
// not stop a run, and a run killed outright.
#include <algorithm>
#include <fstream>

#include "CliWorld.h"

namespace kestrova::test {
namespace {

const std::string kDomain = "www.e2e-history.com";
const std::string kHeader = "date,keyword,engine,rank,page,position,result\r\n";

std::string Scenario(const std::vector<Placed>& ranks, const std::string& extra = "") {
  return PlacementScenario("blue widgets", kDomain, ranks, extra);
}

// One history CSV row of "blue widgets" at `clock`.
std::string Row(const std::string& clock, const std::string& engine, int rank) {
  return clock.substr(0, 10) + "T" + clock.substr(11) + ",blue widgets," + engine + "," +
         std::to_string(rank) + "," + std::to_string(rank ? (rank - 1) / 10 + 1 : 0) + "," +
         std::to_string(rank ? (rank - 1) % 10 + 1 : 0) + ",Success\r\n";
}

long Lines(const std::string& text) {
  return std::count(text.begin(), text.end(), '\n');
}

class HistoryRun : public CliWorld {
 protected:
  void NewProject(const std::string& engines) {
    CliWorld::NewProject({"--domain", kDomain, "--engines", engines, "--keywords", "blue widgets",
                          "--depth", "30", "--timeout", "5"});
  }
  std::string History(const std::vector<std::string>& options = {}) {
    std::vector<std::string> arguments = {"history", kProject, "--format", "csv"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const CliRun run = Cli(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.out;
  }
  const std::string historyFile_ = std::string(kProject) + "-history.db";
};

TEST_F(HistoryRun, ThreeRunsGiveThreeDatedChecksPerEngineWithTheirRanks) {
  NewProject("Google,AltaVista,Lycos");
  const std::vector<std::pair<std::string, std::vector<Placed>>> runs = {
      {"2024-03-01 10:00:00", {{"Google", 14}, {"AltaVista", 3}, {"Lycos", 25}}},
      {"2024-03-08 10:00:00", {{"Google", 7}, {"AltaVista", 3}}},  // Lycos: not listed
      {"2024-03-15 10:00:00", {{"Google", 1}, {"AltaVista", 12}, {"Lycos", 9}}}};
  std::string expected = kHeader;
  for (const auto& [clock, ranks] : runs) {
    SimProcess sim(Scenario(ranks));
    ASSERT_NE(sim.Port(), 0);
    clock_ = clock;
    const CliRun run = Rank(sim);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* engine : {"Google", "AltaVista", "Lycos"}) {
      const auto placed = std::find_if(ranks.begin(), ranks.end(),
                                       [&](const Placed& p) { return p.engine == engine; });
      expected += Row(clock, engine, placed == ranks.end() ? 0 : placed->rank);
    }
  }
  EXPECT_EQ(History(), expected);

  const CliRun serp = Cli({"serp", kProject, "--format", "csv"});
  ASSERT_EQ(serp.exitCode, 0) << serp.err;
  EXPECT_EQ(Lines(serp.out), 1 + 3 * 3 * 10);
  EXPECT_TRUE(serp.out.starts_with("date,keyword,engine,slot,url,domain\r\n")) << serp.out;
  // AltaVista's third slot on 1 March is the project's own page.
  EXPECT_NE(serp.out.find("\r\n2024-03-01T10:00:00,blue widgets,AltaVista,3,http://" + kDomain +
                          "/," + kDomain + "\r\n"),
            std::string::npos);
  EXPECT_TRUE(History({"--best", "--engine", "Lycos"}).ends_with(",2024-03-15T10:00:00\r\n"));
}

TEST_F(HistoryRun, AProjectWithoutHistoryIsSeededFromItsRecords) {
  NewProject("Google,Lycos");
  SimProcess sim(Scenario({{"Google", 4}, {"Lycos", 17}}));
  clock_ = "2024-04-02 16:30:00";
  ASSERT_EQ(Rank(sim, {"--no-history"}).exitCode, 0);
  EXPECT_FALSE(FileExists(work_ / historyFile_));
  const std::string project = Read(kProject);

  EXPECT_EQ(History(), kHeader + Row(clock_, "Google", 4) + Row(clock_, "Lycos", 17));
  EXPECT_TRUE(FileExists(work_ / historyFile_));
  EXPECT_EQ(Read(kProject), project);  // the project file is not touched
}

TEST_F(HistoryRun, ADamagedHistoryIsReportedLeftAloneAndTheProjectStillRanks) {
  NewProject("Google,Lycos");
  const std::string garbage = "not a history, just some bytes\n";
  std::ofstream(work_ / historyFile_, std::ios::binary) << garbage;
  SimProcess sim(Scenario({{"Google", 2}, {"Lycos", 5}}));
  const CliRun run = Rank(sim);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("could not be opened: it is damaged or not a rank history"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(Read(historyFile_), garbage);
  EXPECT_EQ(Grid("blue widgets")["Google"]["Rank"], "2");
}

TEST_F(HistoryRun, AKilledRunLeavesAHistoryHoldingEveryEngineFinishedBeforeTheKill) {
  NewProject("Google,AltaVista,Lycos,MSN,Snap");
  SimProcess sim(Scenario({{"Google", 3}, {"AltaVista", 6}, {"Lycos", 9}, {"MSN", 2}},
                          ", \"faults\": [{\"engine\": \"Lycos\", \"kind\": \"silence\", "
                          "\"ms\": 20000}]"));
  clock_ = "2024-05-06 07:08:09";
  // One engine at a time, so the kill comes while the third is in flight.
  const CliRun run = Rank(sim, {"--jobs", "1"}, "engine 03 of 05", SIGKILL);
  EXPECT_EQ(run.exitCode, 128 + SIGKILL) << run.err;
  EXPECT_EQ(History(), kHeader + Row(clock_, "Google", 3) + Row(clock_, "AltaVista", 6));

  // And a later run adds to it as usual.
  SimProcess healed(Scenario({{"Google", 1}}));
  clock_ = "2024-05-07 07:08:09";
  ASSERT_EQ(Rank(healed, {"--keyword", "blue widgets"}).exitCode, 0);
  EXPECT_EQ(Lines(History()), 1 + 2 + 5);
}

}  // namespace
}  // namespace kestrova::test
