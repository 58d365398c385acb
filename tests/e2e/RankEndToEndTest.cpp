// Ranking runs of kestrova-cli through kestrova-sim: what the records, saved
// pages and reports hold afterwards, and how Ctrl+C and "Redo" go. Trend texts,
// time-out walks and free-record reuse are the ranking tests' own.
#include <filesystem>

#include "CliWorld.h"

namespace kestrova::test {
namespace {

namespace fs = std::filesystem;

const std::string kDomain = "www.e2e-shop.com";

using RankRun = CliWorld;

TEST_F(RankRun, EveryEngineReportsThePlacedPositionPageAndTopUrlsOnPagesOneToFive) {
  std::vector<Placed> placed;
  for (int i = 0; i <= Catalogue().LastEngineIndex; ++i) {
    placed.push_back({Catalogue().At(static_cast<Integer>(i)).Name, i * 13 % 50 + 1});
  }
  SimProcess sim(PlacementScenario("blue widgets", kDomain, placed));
  ASSERT_NE(sim.Port(), 0);
  NewProject({"--domain", kDomain, "--engines", "all", "--keywords", "blue widgets", "--depth",
              "50", "--timeout", "5"});
  const CliRun run = Rank(sim);
  ASSERT_EQ(run.exitCode, 0) << run.err;

  auto grid = Grid("blue widgets");
  auto top = Grid("blue widgets", {"--top"});
  for (const Placed& p : placed) {
    SCOPED_TRACE(p.engine);
    ASSERT_EQ(grid.count(p.engine), 1u);
    const nlohmann::json& row = grid[p.engine];
    EXPECT_EQ(row["Result"], "Success");
    EXPECT_EQ(row["Rank"], std::to_string(p.rank));
    EXPECT_EQ(row["Page"], std::to_string((p.rank - 1) / 10 + 1));
    EXPECT_EQ(row["Position"], std::to_string((p.rank - 1) % 10 + 1));
    for (int slot = 1; slot <= 10; ++slot) {
      const auto url =
          top[p.engine][(slot < 10 ? "0" : "") + std::to_string(slot)].get<std::string>();
      EXPECT_FALSE(url.empty()) << slot;
      if (slot == p.rank) {
        EXPECT_EQ(url, "http://" + kDomain + "/");
      }
    }
  }
  // Saved pages: one per page fetched, named by page and keyword, in the engine's folder.
  const fs::path engine = work_ / ("reports/domain_" + kDomain + "/Google");
  for (const char* folder : {"keywords", "searchurl", "submit"}) {
    EXPECT_TRUE(fs::is_directory(engine / folder)) << folder;
  }
  EXPECT_TRUE(fs::exists(engine / "keywords" / "kywd_00_blue widgets.html"));
}

TEST_F(RankRun, CtrlCKeepsTheEnginesNotReachedAndRedoRunsOnlyTheFailedOne) {
  NewProject({"--domain", kDomain, "--engines", "Google,AltaVista,Lycos,MSN,Snap", "--keywords",
              "blue widgets", "--timeout", "5"});
  auto everywhere = [](int rank, const std::string& extra = "") {
    std::vector<Placed> placed;
    for (const char* engine : {"Google", "AltaVista", "Lycos", "MSN", "Snap"}) {
      placed.push_back({engine, rank});
    }
    return PlacementScenario("blue widgets", kDomain, placed, extra);
  };
  {
    SimProcess sim(everywhere(2));
    ASSERT_EQ(Rank(sim).exitCode, 0);
  }
  {
    SimProcess slow(everywhere(5,
                               ", \"faults\": [{\"engine\": \"AltaVista\", \"kind\": "
                               "\"silence\", \"ms\": 20000}]"));
    // One engine at a time: Ctrl+C lands while the second one waits.
    const CliRun run = Rank(slow, {"--jobs", "1"}, "engine 02 of 05");
    EXPECT_EQ(run.exitCode, 130) << run.err;
  }
  auto grid = Grid("blue widgets");
  EXPECT_EQ(grid["Google"]["Rank"], "5");
  EXPECT_EQ(grid["AltaVista"]["Result"], "Failed");
  for (const char* engine : {"Lycos", "MSN", "Snap"})
    EXPECT_EQ(grid[engine]["Rank"], "2") << engine;
  // The reports were closed: the Log ends with its footer.
  EXPECT_NE(Read("reports/Log.html").find("</HTML>"), std::string::npos);

  SimProcess healed(everywhere(6));
  // Nothing to redo of a keyword never checked, and no grid of another one stands in.
  EXPECT_EQ(Rank(healed, {"--redo", "--keyword", "red widgets"}).exitCode, 1);
  // The reader of its messages goes away as the check starts (`2>&1 | head`):
  // the run goes on to the end and saves.
  const CliRun redo = Rank(healed, {"--redo"}, "Searching [ AltaVista ]", SIGPIPE);
  ASSERT_EQ(redo.exitCode, 0) << redo.err;
  grid = Grid("blue widgets");
  EXPECT_EQ(grid["AltaVista"]["Rank"], "6");
  EXPECT_EQ(grid["Google"]["Rank"], "5");  // not checked again
  EXPECT_EQ(grid["Lycos"]["Rank"], "2");
  EXPECT_EQ(Read("reports/Log.html").find("in <b>Google</b>"), std::string::npos);
  EXPECT_EQ(Load().SelectedEngines,
            (std::vector<std::string>{"Google", "AltaVista", "Lycos", "MSN", "Snap"}));
}

TEST_F(RankRun, ReportsMatchTheExpectedFilesByteForByte) {
  NewProject({"--domain", kDomain, "--engines", "Google,AltaVista,Yahoo", "--keywords",
              "blue widgets", "--depth", "20", "--timeout", "5"});
  SimProcess sim(PlacementScenario("blue widgets", kDomain, {{"Google", 12}, {"AltaVista", 3}},
                                   ", \"no_results\": [{\"engine\": \"Yahoo\"}]"));
  const CliRun run = Rank(sim);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "reports/Ranking.html\n");
  for (const char* name : {"Log.html", "Master.html", "Ranking.html"}) {
    std::string expected;
    ASSERT_TRUE(ReadWholeFile(std::string(KESTROVA_TEST_DATA) + "/expected/rank/" + name, expected))
        << name;
    EXPECT_EQ(Read(std::string("reports/") + name), expected) << name;
  }
}

}  // namespace
}  // namespace kestrova::test
