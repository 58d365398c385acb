// Ranking runs of kestrova-cli through kestrova-sim: what the records, saved
// pages and reports hold afterwards, and how Stop, time-outs and "Redo" go.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

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

const std::string kDomain = "www.e2e-shop.com";
const std::string kClock = "2024-03-09 14:05:06";

struct Placed {
  std::string engine;
  int rank;
};

std::string Scenario(const std::string& keyword, const std::vector<Placed>& placed,
                     const std::string& extra = "") {
  std::string json = "{\"placements\": [";
  for (std::size_t i = 0; i < placed.size(); ++i) {
    json += (i ? ", " : "") + std::string("{\"engine\": \"") + placed[i].engine +
            "\", \"keyword\": \"" + keyword + "\", \"rank\": " + std::to_string(placed[i].rank) +
            ", \"domain\": \"" + kDomain + "\"}";
  }
  return json + "]" + extra + "}";
}

// The cells of a CSV grid printed by "show", by engine name; quoted cells hold commas.
std::map<std::string, std::vector<std::string>> ParseCsv(const std::string& text) {
  std::map<std::string, std::vector<std::string>> rows;
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '"' && quoted && at + 1 < text.size() && text[at + 1] == '"') {
      cells.back() += text[++at];
    } else if (c == '"') {
      quoted = !quoted;
    } else if (quoted || (c != ',' && c != '\r' && c != '\n')) {
      cells.back() += c;
    } else if (c == ',') {
      cells.emplace_back();
    } else if (c == '\n') {
      rows[cells[0]] = cells;
      cells.assign(1, "");
    }
  }
  return rows;
}

class RankRun : public ::testing::Test {
 protected:
  void NewProject(const std::string& engines, const std::string& keywords, int depth = 20,
                  int timeout = 5) {
    const CliRun run =
        RunCliProcess(work_, {"new", "e2e.rnk", "--domain", kDomain, "--engines", engines,
                              "--keywords", keywords, "--depth", std::to_string(depth), "--timeout",
                              std::to_string(timeout), "--report-dir", "reports"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
  }
  CliRun Rank(const SimProcess& sim, std::vector<std::string> extra = {},
              const std::string& interruptWhen = "") {
    const std::string proxy = "127.0.0.1:" + std::to_string(sim.Port());
    extra.insert(extra.begin(), {"rank", "e2e.rnk", "--yes", "--clock", kClock, "--proxy", proxy});
    return RunCliProcess(work_, extra, interruptWhen);
  }
  std::map<std::string, std::vector<std::string>> Show(const std::string& keyword,
                                                       bool top = false) {
    std::vector<std::string> arguments = {"show",  "e2e.rnk",  "--keyword",
                                          keyword, "--format", "csv"};
    if (top) arguments.push_back("--top");
    const CliRun run = RunCliProcess(work_, arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return ParseCsv(run.out);
  }
  std::string Read(const std::string& relative) {
    std::string bytes;
    ReadWholeFile((work_ / relative).string(), bytes);
    return bytes;
  }
  ProjectState LoadProject() {
    ProjectState project;
    ScriptedDialogs dialogs;
    EXPECT_TRUE(ReadProjectFile((work_ / "e2e.rnk").string(), project, dialogs, Catalogue()));
    return project;
  }

  TempFolder folder_{"kestrova-rank-e2e-"};
  fs::path work_ = folder_.path();
};

// Columns of the ranking grid as "show" prints them.
constexpr int kTrend = 3, kRank = 4, kPage = 5, kPosition = 6, kResult = 8, kOverall = 9;

TEST_F(RankRun, EveryEngineReportsThePlacedPositionPageAndTopUrls) {
  std::vector<Placed> placed;
  const EngineCatalogue& catalogue = Catalogue();
  for (int i = 0; i <= catalogue.LastEngineIndex; ++i) {
    placed.push_back({catalogue.At(static_cast<Integer>(i)).Name, i % 27 + 1});
  }
  SimProcess sim(Scenario("blue widgets", placed));
  ASSERT_NE(sim.Port(), 0);
  NewProject("all", "blue widgets", 30);
  const CliRun run = Rank(sim);
  ASSERT_EQ(run.exitCode, 0) << run.err;

  const auto grid = Show("blue widgets");
  const auto top = Show("blue widgets", true);
  for (const Placed& p : placed) {
    SCOPED_TRACE(p.engine);
    ASSERT_EQ(grid.count(p.engine), 1u);
    const auto& row = grid.at(p.engine);
    EXPECT_EQ(row[kResult], "Success");
    EXPECT_EQ(row[kRank], std::to_string(p.rank));
    EXPECT_EQ(row[kPage], std::to_string((p.rank - 1) / 10 + 1));
    EXPECT_EQ(row[kPosition], std::to_string((p.rank - 1) % 10 + 1));
    const auto& urls = top.at(p.engine);
    ASSERT_EQ(urls.size(), 11u);
    for (int slot = 1; slot <= 10; ++slot) EXPECT_FALSE(urls[slot].empty()) << slot;
    if (p.rank <= 10) {
      EXPECT_EQ(urls[p.rank], "http://" + kDomain + "/");
    }
  }
  // Saved pages: one per page fetched, named by page and keyword, in the engine's folder.
  const fs::path engine = work_ / "reports" / ("domain_" + kDomain) / "Google";
  for (const char* folder : {"keywords", "searchurl", "submit"}) {
    EXPECT_TRUE(fs::is_directory(engine / folder)) << folder;
  }
  EXPECT_TRUE(fs::exists(engine / "keywords" / "kywd_00_blue widgets.html"));
}

TEST_F(RankRun, ASecondRunRecordsHowEachPositionMoved) {
  NewProject("Google,AltaVista,Lycos", "blue widgets");
  {
    SimProcess sim(Scenario("blue widgets", {{"Google", 10}, {"AltaVista", 3}, {"Lycos", 7}}));
    ASSERT_EQ(Rank(sim).exitCode, 0);
  }
  SimProcess moved(Scenario("blue widgets", {{"Google", 3}, {"AltaVista", 15}, {"Lycos", 7}}));
  const CliRun run = Rank(moved);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto grid = Show("blue widgets");
  EXPECT_EQ(grid.at("Google")[kTrend], "Down, (-7)");
  EXPECT_EQ(grid.at("Google")[kOverall], "Dropped to SUPER ranking");
  EXPECT_EQ(grid.at("AltaVista")[kTrend], "  Up, (12)");
  EXPECT_EQ(grid.at("AltaVista")[kOverall], "Increased to GOOD ranking");
  EXPECT_EQ(grid.at("Lycos")[kTrend], "---");
  EXPECT_EQ(grid.at("Lycos")[kOverall], "Unchanged with SUPER ranking");
}

TEST_F(RankRun, CtrlCDuringTheSecondOfFiveEnginesKeepsTheRestAsTheyWere) {
  const std::string engines = "Google,AltaVista,Lycos,MSN,Snap";
  NewProject(engines, "blue widgets");
  {
    SimProcess sim(Scenario(
        "blue widgets", {{"Google", 2}, {"AltaVista", 2}, {"Lycos", 2}, {"MSN", 2}, {"Snap", 2}}));
    ASSERT_EQ(Rank(sim).exitCode, 0);
  }
  SimProcess slow(Scenario("blue widgets",
                           {{"Google", 5}, {"AltaVista", 5}, {"Lycos", 5}, {"MSN", 5}, {"Snap", 5}},
                           ", \"faults\": [{\"engine\": \"AltaVista\", \"kind\": \"silence\", "
                           "\"ms\": 20000}]"));
  // One engine at a time: Ctrl+C lands while the second one waits.
  const CliRun run = Rank(slow, {"--jobs", "1"}, "engine 02 of 05");
  EXPECT_EQ(run.exitCode, 130) << run.err;
  const auto grid = Show("blue widgets");
  EXPECT_EQ(grid.at("Google")[kRank], "5");
  EXPECT_EQ(grid.at("AltaVista")[kResult], "Failed");
  for (const char* engine : {"Lycos", "MSN", "Snap"}) {
    EXPECT_EQ(grid.at(engine)[kRank], "2") << engine;
  }
  // The reports were closed: the Log ends with its footer.
  EXPECT_NE(Read("reports/Log.html").find("</HTML>"), std::string::npos);
}

TEST_F(RankRun, ATimedOutEngineIsLoggedAndRedoRunsOnlyTheFailedOnes) {
  NewProject("Google,HotBot,Lycos", "blue widgets", 20, 1);
  {
    SimProcess sim(Scenario("blue widgets", {{"Google", 4}, {"HotBot", 4}, {"Lycos", 4}},
                            ", \"faults\": [{\"engine\": \"HotBot\", \"kind\": \"silence\", "
                            "\"ms\": 5000}]"));
    ASSERT_EQ(Rank(sim).exitCode, 0);
  }
  const std::string log = Read("reports/Log.html");
  EXPECT_NE(log.find("<b><font color='FF8000'>TimedOut</font></b> : <a href=\"reports/domain_" +
                     kDomain + "/HotBot/keywords/kywd_00_blue%20widgets.html\">"),
            std::string::npos);
  // The walk went on to the second page after the time-out.
  EXPECT_NE(log.find("HotBot/keywords/kywd_01_blue%20widgets.html\">Actual Results 11 to 20"),
            std::string::npos);
  const auto first = Show("blue widgets");
  EXPECT_EQ(first.at("HotBot")[kResult], "Failed");

  SimProcess healed(Scenario("blue widgets", {{"Google", 9}, {"HotBot", 6}, {"Lycos", 9}}));
  const CliRun redo = Rank(healed, {"--redo"});
  ASSERT_EQ(redo.exitCode, 0) << redo.err;
  const auto second = Show("blue widgets");
  EXPECT_EQ(second.at("HotBot")[kRank], "6");
  EXPECT_EQ(second.at("Google")[kRank], "4");  // not checked again
  EXPECT_EQ(Read("reports/Log.html").find("in <b>Google</b>"), std::string::npos);
  EXPECT_EQ(LoadProject().SelectedEngines, (std::vector<std::string>{"Google", "HotBot", "Lycos"}));
}

TEST_F(RankRun, FreedRecordsAreReusedBeforeTheListGrows) {
  NewProject("Google,Lycos", "old one");
  SimProcess sim(Scenario("*", {{"Google", 1}}));
  ASSERT_EQ(Rank(sim).exitCode, 0);
  ProjectState project = LoadProject();
  ASSERT_EQ(project.Rankings.size(), 2u);
  FreeKeywordRecords(project, "old one");
  ASSERT_TRUE(WriteProjectFile((work_ / "e2e.rnk").string(), project));

  ASSERT_EQ(Rank(sim, {"--keyword", "new one"}).exitCode, 0);
  project = LoadProject();
  ASSERT_EQ(project.Rankings.size(), 4u);  // two grown for the new line, left free
  EXPECT_EQ(project.Rankings[0].Keyword + "/" + project.Rankings[0].Engine, "new one/Google");
  EXPECT_EQ(project.Rankings[1].Keyword + "/" + project.Rankings[1].Engine, "new one/Lycos");
  EXPECT_TRUE(project.Rankings[2].IsFree());
  EXPECT_TRUE(project.Rankings[3].IsFree());
}

TEST_F(RankRun, ReportsMatchTheExpectedFilesByteForByte) {
  NewProject("Google,AltaVista,Yahoo", "blue widgets");
  SimProcess sim(Scenario("blue widgets", {{"Google", 12}, {"AltaVista", 3}},
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
