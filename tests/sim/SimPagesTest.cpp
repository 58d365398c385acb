// The simulated pages at the answer cap and without results, read back through
// the program's own parsers. That every engine's pages hold the placed ranks is
// shown end to end in tests/e2e.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "engines/MarkedPageReaders.h"
#include "engines/QueryPath.h"
#include "engines/ResultPage.h"
#include "net/UrlCoding.h"
#include "sim/FrontPage.h"
#include "sim/Responder.h"

namespace kestrova::sim {
namespace {

// The engine's HEAD requests go to the simulator's own answers.
HeadRequest HeadFrom(const Responder& responder) {
  return [&responder](const std::string& host, const std::string& path) {
    Reply reply = responder.Answer("HEAD " + path + " HTTP/1.0\r\nHost: " + host + "\r\n\r\n");
    return HeadAnswer{reply.steps.front().bytes, false};
  };
}

TEST(SimPages, PageSizesVaryPastTheAnswerCapAndPagesWithoutResultsSaySo) {
  Scenario scenario;
  scenario.noResults.push_back({"*", EncodeSearchText("nothing here")});  // as queries carry it
  Responder responder(Catalogue(), scenario, SampleFrontPage());
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
      ParseResultPage(engine, kept, static_cast<Integer>(page), HeadFrom(responder));
      ResultList links;
      ExtractTopUrls("rank checker", engine.Name, kept, 0, links);
      EXPECT_EQ(links.TopUrlCount, 10) << engine.Name << " page " << page + 1;
      // The same request gives the same page, byte for byte.
      EXPECT_EQ(html, responder.ResultPageHtml(index, "rank checker", page));
    }
    const QueryRequest query = BuildKeywordQuery(engine, "nothing here", 0);
    std::string empty = responder
                            .Answer(std::string(query.UsePost ? "POST" : "GET") + " http://" +
                                    query.Host + query.Path + " HTTP/1.0\r\n\r\n")
                            .steps.front()
                            .bytes;
    if (!engine.NoResultsText.empty()) {  // an engine without one never says so
      EXPECT_NE(FindNoCase(empty, engine.NoResultsText), 0) << engine.Name;
    }
    ParseResultPage(engine, empty, 0, HeadFrom(responder));
    EXPECT_EQ(FindNoCase(empty, kPointMarker), 0) << engine.Name << ": no entry marked";
  }
  EXPECT_LT(smallest, 8000u);
  EXPECT_GT(largest, 32000u);
}

}  // namespace
}  // namespace kestrova::sim
