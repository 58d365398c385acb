// The engine check on an engine of the user's engines file: its origin and user
// agent reach the fetcher, its pages are marked by its rule, and a TLS failure
// is the check's own status.
#include <gtest/gtest.h>

#include "RunTestSupport.h"
#include "engines/UserEnginesFile.h"
#include "ranking/EngineCheck.h"
#include "ranking/RunTexts.h"

namespace kestrova {
namespace {

const char* kEnginesFile = R"({"engines": [{
  "name": "Searchly", "language": "English", "country": "USA",
  "scheme": "https", "host": "search.searchly.test", "user_agent": "Searchly-Bot/2",
  "query_templates": ["/search?q=%SEARCH_STRING%", "/search?q=%SEARCH_STRING%&start=%INCREMENT_INTEGER%"],
  "increment_offset": 0, "no_results_text": "No results for",
  "result_links": "//li[@class='hit']/a/@href"}]})";

const std::string kOrigin = "https://search.searchly.test";

std::string HitsPage(const std::vector<std::string>& urls) {
  std::string page = "HTTP/1.0 200 OK\r\n\r\n<html><body><ol>";
  for (const std::string& url : urls) page += "<li class='hit'><a href='" + url + "'>t</a></li>";
  return page + "</ol></body></html>";
}

struct UserEngineFixture : test::RunFixture {
  CatalogueLoad load = CatalogueWithUserEngines(kEnginesFile);
  CheckOutcome CheckSearchly(std::string_view keyword) {
    return Check(keyword, "Searchly", load.catalogue);
  }
};

TEST(UserEngineCheck, WalksTheEnginesPagesOverItsOriginAndFindsTheDomainOnPageTwo) {
  UserEngineFixture f;
  ASSERT_TRUE(f.load.problems.empty());
  f.checkNet.UserAgent = "Run agent";
  std::vector<std::string> agents;
  f.engines.onRequest = [&agents](NetworkState& net) { agents.push_back(net.UserAgent); };
  f.engines.answers[kOrigin + " /search?q=blue+shoes"] = {
      HitsPage({"http://a.test/", "http://b.test/"})};
  f.engines.answers[kOrigin + " /search?q=blue+shoes&start=10"] = {
      HitsPage({"http://c.test/", "http://d.test/", "http://www.mysite.com/shoes"})};

  const CheckOutcome outcome = f.CheckSearchly("blue shoes");
  EXPECT_TRUE(outcome.succeeded);
  EXPECT_EQ(outcome.pageFound, 2);
  EXPECT_EQ(outcome.position, 13);
  EXPECT_EQ(outcome.topUrlCount, 2);
  EXPECT_EQ(outcome.topUrls[1], "http://b.test/");
  EXPECT_EQ(agents, (std::vector<std::string>{"Searchly-Bot/2", "Searchly-Bot/2"}));
  EXPECT_EQ(f.checkNet.UserAgent, "Run agent");  // the run's agent again for the next engine
}

TEST(UserEngineCheck, ATlsFailureIsTheStatusOfTheCheckAndEndsItsWalk) {
  UserEngineFixture f;
  f.engines.fallback = {"", false};
  f.engines.onRequest = [](NetworkState& net) {
    net.TlsError = "certificate not accepted: hostname mismatch";
  };
  const CheckOutcome outcome = f.CheckSearchly("blue shoes");
  EXPECT_FALSE(outcome.succeeded);
  EXPECT_EQ(f.engines.Requests().size(), 1u);
  ASSERT_GE(f.reports.logLines.size(), 1u);
  EXPECT_EQ(f.reports.logLines[0].find(std::string(texts::kColorFailed) +
                                       "|TLS error: certificate not accepted: hostname mismatch|"),
            0u)
      << f.reports.logLines[0];
}

TEST(UserEngineCheck, ARedirectToHttpsKeepsTheSchemeForTheLaterPages) {
  UserEngineFixture f;
  f.engines.answers[kOrigin + " /search?q=x"] = {
      "HTTP/1.0 302 Found\r\nLocation: https://eu.searchly.test:8443/search?q=x\r\n\r\n"};
  f.engines.answers["https://eu.searchly.test:8443 /search?q=x"] = {HitsPage({"http://a.test/"})};
  f.CheckSearchly("x");
  const std::vector<std::string> requests = f.engines.Requests();
  ASSERT_GE(requests.size(), 3u);
  EXPECT_EQ(requests[1], "https://eu.searchly.test:8443 /search?q=x");
  EXPECT_EQ(requests[2], "https://eu.searchly.test:8443 /search?q=x&start=10");
}

}  // namespace
}  // namespace kestrova
