// Requests reach the right engine, keyword and result page, in every form the
// client sends them.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "engines/QueryPath.h"
#include "net/UrlCoding.h"
#include "sim/EngineRouter.h"
#include "sim/Responder.h"
#include "sim/SimRequest.h"

namespace kestrova::sim {
namespace {

TEST(SimRouting, EveryEnginePageAndKeywordIsRecoveredFromItsQueryPath) {
  const EngineCatalogue& catalogue = Catalogue();
  EngineRouter router(catalogue);
  // Keywords with the characters the check codes, and ones it passes through
  // that split query parameters.
  const std::string keywords[] = {"web design", "rank", "site.org/a:b", "a&b=c", "100%"};
  for (int index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const EngineRecord& engine = catalogue.At(static_cast<Integer>(index));
    for (const std::string& keyword : keywords) {
      for (int page : {0, 1, 2, 3, 4, 5, 9, 42}) {
        QueryRequest query = BuildKeywordQuery(engine, keyword, static_cast<Integer>(page));
        std::optional<EngineQuery> match = router.Match(LowerCase(query.Host), query.Path);
        ASSERT_TRUE(match) << engine.Name << " page " << page << " " << query.Path;
        EXPECT_EQ(match->engineIndex, index) << engine.Name;
        EXPECT_EQ(match->pageIndex, page) << engine.Name << " " << query.Path;
        EXPECT_EQ(match->encodedKeyword, EncodeSearchText(keyword)) << engine.Name;
      }
    }
  }
}

TEST(SimRouting, ProxyDirectAndGluedRequestsNameTheSameHostAndPath) {
  auto proxy =
      ParseRequest("GET http://www.Google.com:80/search?q=a+b HTTP/1.0\r\nHost: x\r\n\r\n");
  ASSERT_TRUE(proxy);
  EXPECT_TRUE(proxy->proxyForm);
  EXPECT_EQ(proxy->host, "www.google.com");
  EXPECT_EQ(proxy->path, "/search?q=a+b");

  auto direct = ParseRequest(
      "HEAD /search?q=a HTTP/1.0\r\nFrom: user@domain\r\nhost:  WWW.Google.com \r\n\r\n");
  ASSERT_TRUE(direct);
  EXPECT_EQ(direct->method, "HEAD");
  EXPECT_EQ(direct->host, "www.google.com");
  EXPECT_EQ(direct->path, "/search?q=a");

  // One engine's page-5 path ends in a space; the request line keeps it.
  auto spaced = ParseRequest("GET /x?q=a  HTTP/1.0\r\n\r\n");
  ASSERT_TRUE(spaced);
  EXPECT_EQ(spaced->path, "/x?q=a ");

  EXPECT_FALSE(ParseRequest("GARBAGE\r\n\r\n"));
  EXPECT_FALSE(ParseRequest(" HTTP/1.0\r\n\r\n"));
  EXPECT_EQ(RequestHeadLength("GET / HTTP/1.0\r\nHost: a\r\n"), 0u);
  EXPECT_EQ(RequestHeadLength("GET / HTTP/1.0\n\nrest"), 16u);

  EngineRouter router(Catalogue());
  const EngineRecord& altaVista = Catalogue().At(FindEngineIndex("AltaVista"));
  std::string host;
  std::string path;
  ASSERT_TRUE(router.SplitGluedTarget(altaVista.Host + "cgi-bin/query?q=a", host, path));
  EXPECT_EQ(host, LowerCase(altaVista.Host));
  EXPECT_EQ(path, "cgi-bin/query?q=a");
  EXPECT_FALSE(router.SplitGluedTarget("www.example.org/", host, path));
}

TEST(SimRouting, UnknownPathsHostsAndMethodsGetPlainAnswers) {
  Responder responder(Catalogue(), Scenario{}, "<HTML>front</HTML>");
  const EngineRecord& google = Catalogue().At(FindEngineIndex("Google"));
  auto firstLine = [](const Reply& reply) {
    const std::string& bytes = reply.steps.front().bytes;
    return bytes.substr(0, bytes.find("\r\n"));
  };
  Reply notAPage = responder.Answer("GET http://" + google.Host + "/images?q=x HTTP/1.0\r\n\r\n");
  EXPECT_EQ(firstLine(notAPage), "HTTP/1.0 404 Not Found");
  Reply head = responder.Answer("HEAD / HTTP/1.0\r\nHost: www.example.org\r\n\r\n");
  EXPECT_EQ(firstLine(head), "HTTP/1.0 200 OK");
  EXPECT_EQ(head.steps.front().bytes.find("front"), std::string::npos);  // HEAD: no body
  EXPECT_EQ(firstLine(responder.Answer("DELETE / HTTP/1.0\r\n\r\n")),
            "HTTP/1.0 501 Not Implemented");
  EXPECT_EQ(firstLine(responder.Answer("\r\n\r\n")), "HTTP/1.0 400 Bad Request");

  // A click-through link leads to its decoded target.
  Reply jump = responder.Answer(
      "HEAD /j?regio=26&nr=3&url=%0Dhttp%3A%2F%2Fwww%2Ea%2Ecom%2F HTTP/1.0\r\nHost: " +
      google.Host + "\r\n\r\n");
  EXPECT_EQ(firstLine(jump), "HTTP/1.0 302 Found");
  EXPECT_NE(jump.steps.front().bytes.find("\r\nLocation: http://www.a.com/\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace kestrova::sim
