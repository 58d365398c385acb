// The readers of marked pages, at the edges where a wrong offset turns a site's
// position 3 into 0 or fills the top-URL list with the wrong entries.
#include <gtest/gtest.h>

#include "engines/MarkedPageReaders.h"
#include "engines/ResultPage.h"

namespace kestrova {
namespace {

const std::string P(kPointMarker);

std::string Entry(int number, const std::string& url, const std::string& rest = "") {
  return "<b>" + std::to_string(number) + ". </b>" + P + "<a href=\"" + url + "\">T</a>" + rest;
}

TEST(FirstDigitRun, KeepsTheFirstNumberWithItsThousandsCommas) {
  EXPECT_EQ(FirstDigitRun("Found 12,345 pages, 3 new"), "12,345");
  EXPECT_EQ(FirstDigitRun(",5"), "5");
  EXPECT_EQ(FirstDigitRun("none"), "");
}

TEST(FindDomainPosition, ReadsTheNumberOfTheMarkedEntryInFrontOfTheDomain) {
  const ResultsStartList results = {"Results:", "", ""};
  const std::string hotBot =
      "Web Matches " + Entry(6, "/director.asp?target=http%3A%2F%2Fwww%2Eb%2Ecom%2F&id=6");
  const struct {
    const char* what;
    std::string domain, page;
    ResultsStartList starts;
    const char* engine;
    Integer position;
    bool found;
  } cases[] = {
      {"the entry in front of the domain", "www.b.com",
       "Results: " + Entry(1, "http://a.com/") + Entry(2, "http://www.b.com/x") +
           Entry(3, "http://c.com/"),
       results, "AltaVista", 2, true},
      {"\"www.\" in capitals is shortened too: \".b.com\" matches", "WWW.b.com",
       "Results: " + Entry(1, "http://a.com/") + Entry(17, "http://shop.b.com/"), results,
       "AltaVista", 17, true},
      {"the third attempt looks for \":b.com\", as in a url: query", "www.b.com",
       "Results: " + Entry(4, "/search?q=url:b.com"), results, "AltaVista", 4, true},
      {"computed numbers of later pages read whole", "b.com",
       "Results: " + Entry(21, "http://a.com/") + Entry(22, "http://b.com/"), results, "AltaVista",
       22, true},
      {"only in a description after a bold word: the next entry's number", "b.com",
       "Results: " + Entry(1, "http://a.com/", " see <b>cheap</b> b.com") +
           Entry(2, "http://c.com/"),
       results, "AltaVista", 2, true},
      {"no start text on the page", "b.com", Entry(1, "http://b.com/"), results, "AltaVista", 0,
       false},
      {"an empty first slot ends the list",
       "b.com",
       "Results: " + Entry(1, "http://b.com/"),
       {"", "Results:", ""},
       "AltaVista",
       0,
       false},
      {"a later start text",
       "b.com",
       "More: " + Entry(5, "http://b.com/"),
       {"Results:", "More:", ""},
       "AltaVista",
       5,
       true},
      {"found, but no \"<b\" between the start text and the domain", "b.com",
       "Results: http://b.com/", results, "AltaVista", 0, true},
      {"an empty domain", "", "Results: " + Entry(1, "x"), results, "AltaVista", 0, false},
      {"HotBot pages are searched for the coded domain",
       "www.b.com",
       hotBot,
       {"Web Matches", "", ""},
       "HotBot",
       6,
       true},
      {"other engines' pages are not",
       "www.b.com",
       hotBot,
       {"Web Matches", "", ""},
       "AltaVista",
       0,
       false},
  };
  for (const auto& c : cases) {
    Integer position = 0;
    EXPECT_EQ(FindDomainPosition(c.engine, c.domain, c.page, 2, c.starts, position), c.found)
        << c.what;
    EXPECT_EQ(position, c.position) << c.what;
  }
}

TEST(ExtractTopUrls, TakesTheLinksOfTheFirstTenMarkedEntriesOnPageOneOnly) {
  std::string page;
  for (int i = 1; i <= 12; ++i)
    page += "<b>" + std::to_string(i) + ". </b>" + P + "<a href= 'http://s" + std::to_string(i) +
            "/' >";
  ResultList list;
  ExtractTopUrls("k", "AltaVista", page, 0, list);
  EXPECT_EQ(list.TopUrlCount, 10);
  EXPECT_EQ(list.Url(1), "http://s1/");  // trimmed, then one quote of each end off
  EXPECT_EQ(list.Url(10), "http://s10/");
  ExtractTopUrls("k", "AltaVista", page, 1, list);
  EXPECT_EQ(list.TopUrlCount, 0);
  EXPECT_EQ(list.Url(1), "");
}

TEST(ExtractTopUrls, LinksWithoutTheirEndGiveEmptySlotsAndNoRepeats) {
  ResultList list;
  ExtractTopUrls("k", "AltaVista", Entry(1, "http://a/") + "<b>2. </b>" + P + "<a href=http://b/",
                 0, list);
  EXPECT_EQ(list.TopUrlCount, 2);
  EXPECT_EQ(list.Url(1), "http://a/");
  EXPECT_EQ(list.Url(2), "");
  // A marker with no link after it gives an empty slot, not the marker's own text.
  ExtractTopUrls("k", "AltaVista", "<b>1. </b>" + P + " no link", 0, list);
  EXPECT_EQ(list.TopUrlCount, 1);
  EXPECT_EQ(list.Url(1), "");
  // Two spaces in the link opening; CR LF inside the quotes goes too.
  for (const char* link : {"<a  href=\"http://c/\r\n\">", "<a  href=http://c/\r\n>"}) {
    ExtractTopUrls("k", "AltaVista", "<b>1. </b>" + P + link, 0, list);
    EXPECT_EQ(list.Url(1), "http://c/") << link;
  }
}

TEST(ExtractTopUrls, ExciteTakesTheTargetAfterTheSemicolon) {
  const std::string target = "http://www.excite.com/relocate/sr=webresult|id=9;http://a.com/x";
  const std::string page = "<b>1. </b>" + P + "<a href=\"" + target + "\">";
  ResultList list;
  ExtractTopUrls("k", "Excite", page, 0, list);
  EXPECT_EQ(list.Url(1), "http://a.com/x");
  ExtractTopUrls("k", "Excite UK", page, 0, list);  // only "Excite" itself
  EXPECT_EQ(list.Url(1), target);
}

}  // namespace
}  // namespace kestrova
