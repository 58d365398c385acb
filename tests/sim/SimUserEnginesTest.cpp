// The simulator's pages for engines of an engines file: a shape each rule reads,
// and placements that land where the rule finds them.
#include <gtest/gtest.h>

#include "engines/MarkedPageReaders.h"
#include "engines/ResultPage.h"
#include "engines/UserEnginesFile.h"
#include "sim/Responder.h"

namespace kestrova::sim {
namespace {

std::string Engine(const std::string& name, const std::string& rule) {
  return "{\"name\": \"" + name +
         "\", \"language\": \"English\", \"country\": \"USA\", \"scheme\": \"http\","
         " \"host\": \"" +
         name +
         ".test\", \"query_templates\": [\"/q?s=%SEARCH_STRING%\","
         " \"/q?s=%SEARCH_STRING%&o=%INCREMENT_INTEGER%\"], \"increment_offset\": 0,"
         " \"no_results_text\": \"Nothing found\", \"result_links\": \"" +
         rule + "\"}";
}

TEST(SimUserEngines, EachRuleGetsAShapeItReadsAndFindsThePlacedDomain) {
  const CatalogueLoad load = CatalogueWithUserEngines(
      "{\"engines\": [" + Engine("one", "//div[@class='result']/h3/a/@href") + ", " +
      Engine("two", "//li[@class='result-item']/a") + ", " +
      Engine("three", "//h2[@class='result-title']/a/@href") + ", " +
      Engine("none", "//table//td/a/@href") + "]}");
  ASSERT_TRUE(load.problems.empty()) << load.problems.front();
  Scenario scenario;
  scenario.placements.push_back({"*", "blue widgets", 13, "http://www.widgetworks.com/"});
  scenario.noResults.push_back({"none", "*"});
  const Responder responder(load.catalogue, scenario, "<html>front</html>");
  EXPECT_EQ(responder.UnmatchedUserEngines(), std::vector<std::string>{"none"});

  for (const char* name : {"one", "two", "three"}) {
    SCOPED_TRACE(name);
    const EngineRecord& engine = load.catalogue.At(FindEngineIndex(load.catalogue, name));
    const Reply reply = responder.Answer(
        "GET /q?s=blue+widgets&o=10 HTTP/1.0\r\nHost: " + std::string(name) + ".test\r\n\r\n");
    ASSERT_EQ(reply.status, 200);
    std::string page = reply.steps.front().bytes;
    ParseResultPage(engine, page, 1);
    Integer position = 0;
    EXPECT_TRUE(FindDomainPosition(engine.Name, "www.widgetworks.com", page, 2,
                                   engine.ResultsStartTexts, position));
    EXPECT_EQ(position, 13);
  }
  const Reply empty = responder.Answer("GET /q?s=x HTTP/1.0\r\nHost: none.test\r\n\r\n");
  EXPECT_NE(empty.steps.front().bytes.find("Nothing found"), std::string::npos);
}

}  // namespace
}  // namespace kestrova::sim
