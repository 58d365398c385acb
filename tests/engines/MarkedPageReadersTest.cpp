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

Integer PositionOf(const std::string& domain, const std::string& page,
                   const ResultsStartList& starts = {"Results:", "", ""},
                   const char* engine = "AltaVista", bool* found = nullptr) {
  Integer position = 0;
  const bool hit = FindDomainPosition(engine, domain, page, 2, starts, position);
  if (found) *found = hit;
  return position;
}

TEST(FirstDigitRun, KeepsTheFirstNumberWithItsThousandsCommas) {
  EXPECT_EQ(FirstDigitRun("Found 12,345 pages, 3 new"), "12,345");
  EXPECT_EQ(FirstDigitRun(",5"), "5");
  EXPECT_EQ(FirstDigitRun("none"), "");
}

TEST(FindDomainPosition, ReadsTheNumberOfTheMarkedEntryInFrontOfTheDomain) {
  const std::string page = "Results: " + Entry(1, "http://a.com/") +
                           Entry(2, "http://www.b.com/x") + Entry(3, "http://c.com/");
  EXPECT_EQ(PositionOf("www.b.com", page), 2);
  // "www." typed in capitals is shortened the same way: ".b.com" then matches.
  EXPECT_EQ(PositionOf("WWW.b.com",
                       "Results: " + Entry(1, "http://a.com/") + Entry(17, "http://shop.b.com/")),
            17);
  // The third attempt looks for ":b.com", as in a "url:" query link.
  EXPECT_EQ(PositionOf("www.b.com", "Results: " + Entry(4, "/search?q=url:b.com")), 4);
  // Computed numbers of later pages read whole.
  EXPECT_EQ(
      PositionOf("b.com", "Results: " + Entry(21, "http://a.com/") + Entry(22, "http://b.com/")),
      22);
}

TEST(FindDomainPosition, DescriptionHitsAndMissingTextsBehaveAsTheReaderIs) {
  // The domain only in a description after a bold word: the next entry's number.
  EXPECT_EQ(PositionOf("b.com", "Results: " + Entry(1, "http://a.com/", " see <b>cheap</b> b.com") +
                                    Entry(2, "http://c.com/")),
            2);
  bool found = true;
  EXPECT_EQ(
      PositionOf("b.com", Entry(1, "http://b.com/"), {"Results:", "", ""}, "AltaVista", &found), 0);
  EXPECT_FALSE(found);  // no start text on the page
  EXPECT_EQ(PositionOf("b.com", "Results: " + Entry(1, "http://b.com/"), {"", "Results:", ""},
                       "AltaVista", &found),
            0);
  EXPECT_FALSE(found);  // an empty first slot ends the list
  EXPECT_EQ(PositionOf("b.com", "More: " + Entry(5, "http://b.com/"), {"Results:", "More:", ""}),
            5);
  // Found, but no "<b" between the start text and the domain: no position.
  EXPECT_EQ(
      PositionOf("b.com", "Results: http://b.com/", {"Results:", "", ""}, "AltaVista", &found), 0);
  EXPECT_TRUE(found);
  EXPECT_EQ(PositionOf("", "Results: " + Entry(1, "x"), {"Results:", "", ""}, "AltaVista", &found),
            0);
  EXPECT_FALSE(found);
}

TEST(FindDomainPosition, HotBotPagesAreSearchedForTheCodedDomainToo) {
  const std::string page =
      "Web Matches " + Entry(6, "/director.asp?target=http%3A%2F%2Fwww%2Eb%2Ecom%2F&id=6");
  EXPECT_EQ(PositionOf("www.b.com", page, {"Web Matches", "", ""}, "HotBot"), 6);
  bool found = true;
  PositionOf("www.b.com", page, {"Web Matches", "", ""}, "AltaVista", &found);
  EXPECT_FALSE(found);
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
