// Rules of single parsers that the fixture pages do not reach: numbering on later
// pages, limits, redirects that fail, and text the parsers must not touch.
#include <gtest/gtest.h>

#include "engines/ResultPage.h"
#include "support/PageFixtures.h"

namespace kestrova {
namespace {

const std::string P(kPointMarker);

TEST(ResultPageRules, OnlyExactEngineNamesParse) {
  const std::string page = "<b>1. </b><a href=x>";
  std::string marked = page, unknown = page;
  ParseResultPage(test::Engine("AltaVista"), marked, 0);
  EXPECT_EQ(marked, "<b>1. </b>" + P + "<a href=x>");
  ParseResultPage(test::Engine("altavista"), unknown, 0);
  ParseResultPage(test::Engine("PlanetSearch"), unknown, 0);
  EXPECT_EQ(unknown, page);
  EXPECT_EQ(LastIndexBefore(12, "ab>cd>ef. <A HREF=", ">"), 6);
  EXPECT_EQ(LastIndexBefore(5, "ab>cd", ">"), 0);  // pos not less than the length
}

TEST(ResultPageRules, ComputedNumbersFollowThePageIndexAndStopAfterTen) {
  std::string clarin = "Sitios encontrados";
  for (int i = 0; i < 12; ++i) clarin += "<DL><DT><A HREF=\"http://s" + std::to_string(i) + "/\">";
  ParseResultPage(test::Engine("Clarin"), clarin, 2);
  EXPECT_NE(clarin.find("<DL><DT><b>23. </b>" + P + "<A HREF=\"http://s2/\">"), std::string::npos);
  EXPECT_NE(clarin.find("<b>30. </b>"), std::string::npos);
  EXPECT_EQ(clarin.find("<b>31. </b>"), std::string::npos);
  EXPECT_EQ(test::CountOf(clarin, P), 10);

  std::string noPrecondition = "<DL><DT><A HREF=\"http://s/\">";
  ParseResultPage(test::Engine("Clarin"), noPrecondition, 0);
  EXPECT_EQ(test::CountOf(noPrecondition, P), 0);
}

TEST(ResultPageRules, EntriesMissingTheirPartsStayUnmarkedAndUncounted) {
  // The first "% </SMALL>" has no "<small>" close in front of it.
  std::string excite = "Only 80% </SMALL> here. <SMALL>91% </SMALL> <a href=\"/r;http://a/\">A</a>";
  ParseResultPage(test::Engine("Excite"), excite, 0);
  EXPECT_NE(excite.find("Only 80% </SMALL> here."), std::string::npos);
  EXPECT_NE(excite.find("<b>1. </b>" + P + "<a href=\"/r;http://a/\">"), std::string::npos);

  // WebCrawler's "<b>" may not be taken from an entry already rewritten.
  std::string webCrawler =
      "Web Results for x <b>90% </b><a href=\"http://a/\">A</a> 80% </b><a href=\"http://b/\">";
  ParseResultPage(test::Engine("WebCrawler"), webCrawler, 0);
  EXPECT_EQ(test::CountOf(webCrawler, P), 1);
  EXPECT_NE(webCrawler.find("<a href=\"http://a/\">A</a> 80% </b>"), std::string::npos);
}

TEST(ResultPageRules, AllesKlarAtCountsUnresolvedRedirectsAndStopsOnAbort) {
  const std::string entry = "<A HREF=\"/j?regio=26&id=1\" target=\"_top\">T</A>";
  std::string page = "9 Treffer " + entry + entry + entry;
  int calls = 0;
  HeadRequest head = [&calls](const std::string&, const std::string& path) {
    EXPECT_EQ(path, "/j?regio=26&id=1");
    ++calls;
    if (calls == 1) return HeadAnswer{"HTTP/1.0 200 OK\r\n\r\n", false};
    if (calls == 2) return HeadAnswer{"HTTP/1.0 302 Found\r\nLocation: http://t/\r\n\r\n", false};
    return HeadAnswer{"", true};
  };
  ParseResultPage(test::Engine("Alles Klar AT"), page, 0, head);
  EXPECT_EQ(calls, 3);
  // The first entry did not resolve but still took number 1.
  EXPECT_EQ(page, "9 Treffer " + entry + "<b>2. </b>" + P +
                      "<A href=\"http://t/\">http://t/</a> T</A>" + entry);

  std::string offline = "9 Treffer " + entry;
  ParseResultPage(test::Engine("Alles Klar AT"), offline, 0);  // no HEAD seam: nothing resolves
  EXPECT_EQ(offline, "9 Treffer " + entry);
}

TEST(ResultPageRules, HotBotBlanksItsStylesheetAndDecodesRedirectTargets) {
  std::string page =
      "<LINK REL=\"stylesheet\" HREF=\"/h.css\">"
      "1.&nbsp;<a "
      "href=\"/director.asp?target=http%3A%2F%2Fwww%2Ex%2Ecom%2F%7Ea%2F%20b&id=1\">X</a>";
  ParseResultPage(test::Engine("HotBot"), page, 0);
  EXPECT_EQ(page, std::string(37, ' ') + "1.&nbsp;" + P + "<a href=http://www.x.com/~a/%20b>X</a>");
}

TEST(ResultPageRules, ReplacementsThatRecreateTheAnchorAreNotMarkedAgain) {
  // Lycos copies the text after "target=" up to the next "&": here it holds
  // further director links, which must not be marked inside the copy.
  std::string lycos = "Lycos Web Catalog";
  for (int i = 0; i < 3; ++i) lycos += "<a href=\"http://c/director.asp?id=1&target=";
  ParseResultPage(test::Engine("Lycos"), lycos, 0);
  EXPECT_LE(test::CountOf(lycos, P), 3);

  // AustroNaut's output holds ". <" itself; the scan must still end.
  std::string austroNaut = "Suchergebnis, Seite>";
  for (int i = 0; i < 200; ++i) austroNaut += "1. <";
  ParseResultPage(test::Engine("AustroNaut"), austroNaut, 0);
  EXPECT_LE(test::CountOf(austroNaut, P), 200);
}

}  // namespace
}  // namespace kestrova
