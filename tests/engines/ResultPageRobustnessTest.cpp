// Hostile pages through every parser and reader: no crash, no endless loop, no
// unbounded growth. Random pages of these pieces are the result-page fuzzer's
// work (its dictionary holds them); here each piece is repeated on its own.
#include <gtest/gtest.h>

#include "engines/EngineCatalogue.h"
#include "engines/MarkedPageReaders.h"
#include "engines/ResultPage.h"
#include "engines/SavedPageAnnotation.h"
#include "support/PageFixtures.h"

namespace kestrova {
namespace {

// Pieces of every engine's layout, "|" between them.
std::vector<std::string> Pieces() {
  const std::string all =
      ". </b>|</b> <a href=|. <A HREF=|.&nbsp;&nbsp;|.&nbsp;<a href=|<p><a href=|"
      "<p><A HREF=/url?sa=U|. <b>|<a href=\"/redirect|&rd=|&url=|\" target|url=|&|"
      "<a href=\"http://c/director.asp?id=|target=|% </SMALL>|<small>|%</b>|"
      "color=\"#990000\"><b>|.</b>|</b>. |.</span>| HREF=|%</B></FONT>|self.status='|';|"
      "\n<li><a href=|</b></a></font>&nbsp;|http:|% </b>|<b>|)</FONT>|<FONT size=-1>|"
      "<a  href|.</font>|#003366'>| target='new'>|. <|. <img|<li><a href=|"
      "<A HREF=/com/verssite.exe?n=|- http://|<strong>|</strong>|]</b>|href=|"
      "<DL><DT><A HREF=|<font size=\"4\" color=\"#999999\">|\t<A HREF=|</font>|"
      "class=\"ensemble\"><b><a href|target=\"_top\"|<A HREF=\"/j?regio=26|top\">|"
      "<A HREF=\"/j|</a>|Sitios encontrados|Search Results|Lycos Web Catalog|Web Results for|"
      "nel web italiano|<B>Showing |Suchergebnis, Seite|Web-Sites&nbsp;|"
      " documents correspondant |Abacho Suchergebnis:| Treffer|Eintr&auml;ge|sichern!|"
      "linieblau.gif|<b>Web Pages</b></font>\n|/director.asp?target=http|"
      "<LINK REL=\"stylesheet\"|>|<|\"|'| |.|1|23|www.b.com|%0D|%2F|"
      "<!-- !kestrova Point! -->|<HTML>|<body>|<b|WWW.B.COM|;http:";
  std::vector<std::string> pieces;
  for (std::size_t at = 0, bar; at <= all.size(); at = bar + 1) {
    bar = std::min(all.find('|', at), all.size());
    pieces.push_back(all.substr(at, bar - at));
  }
  return pieces;
}

// Runs everything the engine check runs on one page.
void CheckPage(const std::string& engineName, const std::string& original) {
  static const HeadRequest head = [](const std::string&, const std::string& path) {
    return HeadAnswer{"HTTP/1.0 302 Found\r\nLocation: http://t" + path + "\r\n\r\n", false};
  };
  for (Integer pageIndex : {0, 3}) {
    std::string page = original;
    ParseResultPage(test::Engine(engineName), page, pageIndex, head);
    ASSERT_LE(page.size(), original.size() * 3 + (2u << 20)) << engineName;
    const EngineRecord& engine = Catalogue().At(FindEngineIndex(engineName));
    Integer position = 0;
    FindDomainPosition(engineName, "www.b.com", page, 2, engine.ResultsStartTexts, position);
    ResultList list;
    ExtractTopUrls("b", engineName, page, pageIndex, list);
    ASSERT_LE(list.TopUrlCount, 10);
    AnnotateSavedPage(page, {"t", engine.Host, "b", engineName, engine.ResultsStartTexts[0], true});
  }
}

TEST(ResultPageRobustness, AnchorsRepeatedThousandsOfTimesStayBounded) {
  for (Integer index = 0; index <= Catalogue().LastEngineIndex; ++index) {
    const std::string engine = Catalogue().At(index).Name;
    CheckPage(engine, "");
    for (const std::string& anchor : Pieces()) {
      std::string page = "Sitios encontrados Web Results for";
      for (int i = 0; i < 1500; ++i) page += anchor;
      CheckPage(engine, page);
    }
  }
}

TEST(ResultPageRobustness, ParsersStopAtTheEntryCapOnPagesOfEndlessEntries) {
  std::string page;
  for (int i = 0; i < 5000; ++i) page += "<b>1. </b><a href=x>";
  ParseResultPage(test::Engine("AltaVista"), page, 0);
  EXPECT_EQ(test::CountOf(page, std::string(kPointMarker)), 1000);
}

}  // namespace
}  // namespace kestrova
