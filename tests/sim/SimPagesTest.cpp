// Every engine's simulated pages read back through the program's own parsers and
// readers as the scenario placed them.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "engines/MarkedPageReaders.h"
#include "engines/QueryPath.h"
#include "engines/ResultPage.h"
#include "sim/FrontPage.h"
#include "sim/PageLayout.h"
#include "sim/Responder.h"

namespace kestrova::sim {
namespace {

constexpr std::string_view kKeyword = "web design";
constexpr std::string_view kDomain = "www.placed-site.com";

// The domain placed once on each of the first five pages, at a rank that moves
// across the page from engine to engine.
int PlacedRank(int engineIndex, int pageIndex) {
  return pageIndex * 10 + (engineIndex + pageIndex * 3) % 10 + 1;
}

Scenario PlacingScenario() {
  Scenario scenario;
  const EngineCatalogue& catalogue = Catalogue();
  for (int index = 0; index <= catalogue.LastEngineIndex; ++index) {
    for (int page = 0; page < 5; ++page) {
      scenario.placements.push_back(
          {catalogue.At(static_cast<Integer>(index)).Name, std::string(kKeyword),
           PlacedRank(index, page),
           "http://" + std::string(kDomain) + "/p" + std::to_string(page) + ".html"});
    }
  }
  scenario.noResults.push_back({"*", "nothing here"});
  return scenario;
}

// The engine's HEAD requests go to the simulator's own answers.
HeadRequest HeadFrom(const Responder& responder) {
  return [&responder](const std::string& host, const std::string& path) {
    Reply reply = responder.Answer("HEAD " + path + " HTTP/1.0\r\nHost: " + host + "\r\n\r\n");
    return HeadAnswer{reply.steps.front().bytes, false};
  };
}

ResultsStartList StartTexts(const EngineRecord& engine) {
  return {engine.ResultsStartTexts[0], engine.ResultsStartTexts[1], engine.ResultsStartTexts[2]};
}

TEST(SimPages, EveryEngineShowsTheRanksAndUrlsThatWerePlaced) {
  Responder responder(Catalogue(), PlacingScenario(), SampleFrontPage());
  const EngineCatalogue& catalogue = Catalogue();
  for (int index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const EngineRecord& engine = catalogue.At(static_cast<Integer>(index));
    ASSERT_TRUE(HasLayout(engine.Name)) << engine.Name;
    for (int page = 0; page < 5; ++page) {
      std::string html = responder.ResultPageHtml(index, kKeyword, page);
      SCOPED_TRACE(engine.Name + " page " + std::to_string(page + 1));
      if (!engine.NoResultsText.empty()) {
        EXPECT_EQ(FindNoCase(html, engine.NoResultsText), 0);
      }
      ParseResultPage(engine.Name, html, static_cast<Integer>(page), HeadFrom(responder));

      Integer position = 0;
      EXPECT_TRUE(FindDomainPosition(engine.Name, kDomain, html, 2, StartTexts(engine), position));
      EXPECT_EQ(position, PlacedRank(index, page));

      // Every marked link, in order, is the entry the index holds at that rank.
      ResultList links;
      ExtractTopUrls(kKeyword, engine.Name, html, 0, links);
      ASSERT_EQ(links.TopUrlCount, 10);
      for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(links.Url(k), responder.UrlAtRank(index, kKeyword, page * 10 + k))
            << "entry " << k;
      }
    }
  }
}

TEST(SimPages, NoResultsPagesCarryTheEngineTextAndResultPagesNever) {
  Responder responder(Catalogue(), PlacingScenario(), SampleFrontPage());
  const EngineCatalogue& catalogue = Catalogue();
  for (int index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const EngineRecord& engine = catalogue.At(static_cast<Integer>(index));
    QueryRequest query = BuildKeywordQuery(engine, "nothing here", 0);
    Reply reply =
        responder.Answer("GET " + query.Path + " HTTP/1.0\r\nHost: " + engine.Host + "\r\n\r\n");
    const std::string& answer = reply.steps.front().bytes;
    ASSERT_TRUE(answer.starts_with("HTTP/1.0 200 OK\r\n")) << engine.Name;
    if (!engine.NoResultsText.empty()) {
      EXPECT_NE(FindNoCase(answer, engine.NoResultsText), 0) << engine.Name;
    }
    std::string parsed = answer;
    ParseResultPage(engine.Name, parsed, 0, HeadFrom(responder));
    EXPECT_EQ(FindNoCase(parsed, kPointMarker), 0) << engine.Name;
  }
}

TEST(SimPages, PageSizesVaryPastTheAnswerCapWithEveryEntryBeforeIt) {
  Responder responder(Catalogue(), Scenario{}, SampleFrontPage());
  const EngineCatalogue& catalogue = Catalogue();
  std::size_t smallest = SIZE_MAX;
  std::size_t largest = 0;
  for (int index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const EngineRecord& engine = catalogue.At(static_cast<Integer>(index));
    for (int page = 0; page < 8; ++page) {
      std::string html = responder.ResultPageHtml(index, "rank checker", page);
      smallest = std::min(smallest, html.size());
      largest = std::max(largest, html.size());
      // What a client keeps of a long page still holds all ten entries.
      std::string kept = html.substr(0, 31500);
      ParseResultPage(engine.Name, kept, static_cast<Integer>(page), HeadFrom(responder));
      ResultList links;
      ExtractTopUrls("rank checker", engine.Name, kept, 0, links);
      EXPECT_EQ(links.TopUrlCount, 10) << engine.Name << " page " << page + 1;
      // The same request gives the same page, byte for byte.
      EXPECT_EQ(html, responder.ResultPageHtml(index, "rank checker", page));
    }
  }
  EXPECT_LT(smallest, 8000u);
  EXPECT_GT(largest, 32000u);
}

}  // namespace
}  // namespace kestrova::sim
