// Scenario files: what they may say, what they refuse, and how their entries match.
#include <gtest/gtest.h>

#include "engines/EngineCatalogue.h"
#include "net/UrlCoding.h"
#include "sim/Scenario.h"

namespace kestrova::sim {
namespace {

TEST(SimScenario, FilesPlaceDomainsSilenceEnginesAndMatchKeywordsAsTyped) {
  ScenarioLoad load = ParseScenario(R"({
    "seed": 7,
    "placements": [
      {"engine": "Google", "keyword": "web design", "rank": 3, "domain": "www.site.com"},
      {"keyword": "web design", "rank": 3, "url": "http://other.site.com/a.html"},
      {"engine": "*", "keyword": "caf\u00e9", "rank": 12, "url": "http://cafe.site.com/"}
    ],
    "no_results": [{"engine": "Yahoo"}],
    "faults": [
      {"engine": "HotBot", "kind": "silence"},
      {"keyword": "web design", "page": 2, "kind": "oversize"},
      {"engine": "Lycos", "page": 1, "kind": "latency", "ms": 250}
    ]
  })");
  ASSERT_TRUE(load.scenario) << load.error;
  const Scenario& scenario = *load.scenario;
  EXPECT_EQ(scenario.seed, 7u);
  // Keywords are compared in the form the query path carries them.
  const std::string webDesign = EncodeSearchText("web design");
  ASSERT_NE(scenario.PlacementAt("Google", webDesign, 3), nullptr);
  EXPECT_EQ(scenario.PlacementAt("Google", webDesign, 3)->url, "http://www.site.com/");
  // The first matching placement wins; wildcards reach other engines.
  EXPECT_EQ(scenario.PlacementAt("MSN", webDesign, 3)->url, "http://other.site.com/a.html");
  EXPECT_EQ(scenario.PlacementAt("Google", "web+designs", 3), nullptr);
  EXPECT_EQ(scenario.PlacementAt("Google", webDesign, 4), nullptr);
  // UTF-8 in the file is the program's single-byte text.
  EXPECT_NE(scenario.PlacementAt("Snap", "caf\xE9", 12), nullptr);

  EXPECT_TRUE(scenario.HasNoResults("Yahoo", "anything"));
  EXPECT_FALSE(scenario.HasNoResults("yahoo", "anything"));

  ASSERT_NE(scenario.FaultFor("HotBot", webDesign, 9), nullptr);
  EXPECT_EQ(scenario.FaultFor("HotBot", webDesign, 9)->milliseconds, 120000);
  EXPECT_EQ(scenario.FaultFor("Google", webDesign, 2)->bytes, 200000);
  EXPECT_EQ(scenario.FaultFor("Google", webDesign, 1), nullptr);
  EXPECT_EQ(scenario.FaultFor("Lycos", "x", 1)->milliseconds, 250);
  EXPECT_EQ(scenario.FaultFor("Lycos", "x", 2), nullptr);
}

TEST(SimScenario, BrokenFilesAreRefusedWithTheReason) {
  struct Case {
    const char* text;
    const char* reason;
  };
  const Case cases[] = {
      {"", "not a JSON object"},
      {"[1, 2]", "not a JSON object"},
      {R"({"seed": -1})", "seed"},
      {R"({"placements": {}})", "must be a list"},
      {R"({"placements": [{"engine": "Google", "domain": "a.com"}]})", "needs a \"rank\""},
      {R"({"placements": [{"rank": 0, "domain": "a.com"}]})", "rank"},
      {R"({"placements": [{"rank": 2}]})", "\"url\" or a \"domain\""},
      {R"({"placements": [{"rank": 2, "url": "http://a.com/\"x"}]})", "quotes"},
      {R"({"placements": [{"rank": 2, "engine": 5, "url": "http://a.com/"}]})", "engine"},
      {R"({"faults": [{"kind": "explode"}]})", "unknown fault kind"},
      {R"({"faults": [{"kind": "latency", "ms": 99999999}]})", "\"ms\""},
      {R"({"faults": [3]})", "must be an object"},
  };
  for (const Case& c : cases) {
    ScenarioLoad load = ParseScenario(c.text);
    EXPECT_FALSE(load.scenario) << c.text;
    EXPECT_NE(load.error.find(c.reason), std::string::npos) << c.text << " gave: " << load.error;
  }
}

TEST(SimScenario, TheDemoCoversEveryGridStateAndSurvivesItsJsonForm) {
  Scenario demo = DemoScenario();
  const std::string rankChecker = EncodeSearchText("rank checker");
  int onFirstPage = 0;
  for (int rank = 1; rank <= 10; ++rank)
    onFirstPage += demo.PlacementAt("Google", rankChecker, rank) != nullptr;
  EXPECT_EQ(onFirstPage, 1);
  EXPECT_TRUE(demo.HasNoResults("Yahoo", rankChecker));
  ASSERT_NE(demo.FaultFor("HotBot", rankChecker, 1), nullptr);
  EXPECT_EQ(demo.FaultFor("HotBot", rankChecker, 1)->kind, FaultKind::Silence);
  const std::string promotion = EncodeSearchText("site promotion");
  for (int rank = 1; rank <= 50; ++rank)
    EXPECT_EQ(demo.PlacementAt("Google", promotion, rank), nullptr);

  ScenarioLoad again = ParseScenario(ScenarioToJson(demo));
  ASSERT_TRUE(again.scenario) << again.error;
  EXPECT_EQ(ScenarioToJson(*again.scenario), ScenarioToJson(demo));
}

}  // namespace
}  // namespace kestrova::sim
