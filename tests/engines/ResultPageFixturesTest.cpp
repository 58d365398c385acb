// Every engine's fixture page goes through its parser and the readers the way the
// engine check runs them; the entry holding the domain is the third on each page.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "engines/MarkedPageReaders.h"
#include "engines/ResultPage.h"
#include "support/PageFixtures.h"

namespace kestrova {
namespace {

struct FixtureCase {
  const char* engine;
  const char* file;
  const char* markedThird;
};

const std::string P(kPointMarker);

// The third entry of each page after rewriting: {P} the marker, {U} the third URL.
const FixtureCase kCases[] = {
    {"Aladin DE", "aladin-de", "color=\"#999999\"><b>3. </b>{P}<A HREF=\"{U}\">"},
    {"Alles Klar DE", "alles-klar-de", "<b>3. </b>{P}<A href=\"{U}\">{U}</a>"},
    {"AllTheWeb", "alltheweb", "<p><b>3. </b>{P}<a href=\"{U}\">"},
    {"AlpaVista", "alpavista", "<td class=\"ensemble\"><b>3. </b>{P}<a href=\"{U}\" >"},
    {"AltaVista", "altavista", "<dt><b>3. </b>{P}<a href=\"{U}\">"},
    {"AltaVista CA", "altavista-ca", "<dt><b>3. </b>{P}<a href=\"{U}\">"},
    {"AltaVista DE", "altavista-de", "<dt><b>3. </b>{P}\n<a href=\"{U}\">"},
    {"Anzwers", "anzwers", "color='#003366'>&nbsp;<b>&nbsp;3. </b>{P}<a href='{U}'>WidgetWorks"},
    {"AOL", "aol", "<B>87%< <b>3. </b>{P}<a href={U}>{U}</a>WidgetWorks"},
    {"Arianna", "arianna", "<td><b>3. </b>{P}<a href=\"{U}\">"},
    {"Austria WWW", "austria-www", "<li><b>3. </b>{P}<a href=\"{U}\">"},
    {"AustroNaut", "austronaut", "<td><b>3. </b>{P}<a href=\"{U}\">"},
    {"BellNet", "bellnet", "<td valign=top><b>3. </b>{P} <A HREF=\"{U}\">"},
    {"C'est Trouve", "cest-trouve", "since 1996. <b>3.</b>{P}<a href={U}>{U}</a> <br>"},
    {"Clarin", "clarin", "<DL><DT><b>3. </b>{P}<A HREF=\"{U}\">"},
    {"DirectHit", "directhit", "<td>3.  {P}<a href={U}>WidgetWorks"},
    {"Ecila", "ecila", "<p><b>[3. </b>{P}<a href=\"{U}\">"},
    {"EuroSeek", "euroseek", "<td>3.&nbsp;{P}<a href=\"{U}\">{U}</a>WidgetWorks"},
    {"Excite", "excite",
     "<b>3. </b>{P}<a "
     "href=\"http://www.excite.com/relocate/sr=webresult|ss=widgets|id=3039;{U}\">"},
    {"Excite AU", "excite-au", "<b>87%</b></font> <b>3. </b>{P}<a href=\"{U}\">"},
    {"Excite DE", "excite-de", "<font color=\"#990000\"><b>3. </b>{P}<a href=\"{U}\">"},
    {"Excite FR", "excite-fr", "<b>87%</b></font> <b>3. </b>{P}<a href=\"{U}\">"},
    {"Excite IT", "excite-it", "<b>87%</b></font> <b>3. </b>{P}<a href=\"{U}\">"},
    {"Excite UK", "excite-uk", "<b>87%</b></font> <b>3. </b>{P}<a href=\"{U}\">"},
    {"Google", "google", "<p><b>3.</b>{P}<a href={U}>"},
    {"Google", "google-redirect", "<p><b>3.</b>{P}<a href={U}>WidgetWorks"},
    {"HotBot", "hotbot", "<font face=verdana>3.&nbsp;&nbsp;{P}<a href=\"{U}\">"},
    {"HotBot", "hotbot-redirect", "<font face=verdana>3.&nbsp;{P}<a href={U}><b>WidgetWorks"},
    {"InfoSeek", "infoseek", "<dt><b>3. </b>{P}<a href={U}>{U}</a></b>"},
    {"Lycos", "lycos", "<li><B>3. </b>{P}<a href={U}>{U}</a>WidgetWorks"},
    {"MSN", "msn", "<p><b>3.</b> {P}<a HREF=\"{U}\">"},
    {"NorthernLight", "northernlight", "<td valign=top>3.&nbsp;&nbsp;{P}<a href=\"{U}\">"},
    {"Snap", "snap", "color=#666666><b>3. </b>{P}<a href=\"{U}\">{U}</a></font>"},
    {"WebCrawler", "webcrawler", "<p><b>3. </b>{P}<a href=\"{U}\">"},
    {"Yahoo", "yahoo", "\n<b>3. </b>{P}<a href=\"{U}\">"},
};

std::string Expand(const char* text) {
  return ReplaceAll(ReplaceAll(text, "{P}", P), "{U}", "http://www.widgetworks.com/products/");
}

TEST(ResultPageFixtures, EveryEngineMarksItsEntriesAndTheReadersFindTheThird) {
  const std::string topUrls[] = {"http://www.birdwatch.org/",
                                 "http://www.feathers-and-more.com/guide.html",
                                 "http://www.widgetworks.com/products/",
                                 "http://members.aol.com/~jhawk/birds.htm",
                                 "http://www.audubon.org/",
                                 "http://www.geocities.com/RainForest/2203/"};
  for (const FixtureCase& c : kCases) {
    SCOPED_TRACE(c.file);
    std::string page = test::ReadPageFixture(c.file);
    ASSERT_FALSE(page.empty());
    ParseResultPage(test::Engine(c.engine), page, 0);
    EXPECT_EQ(test::CountOf(page, P), 6);
    EXPECT_NE(page.find(Expand(c.markedThird)), std::string::npos);

    const EngineRecord& engine = Catalogue().At(FindEngineIndex(c.engine));
    Integer position = 0;
    EXPECT_TRUE(FindDomainPosition(c.engine, "www.widgetworks.com", page, 2,
                                   engine.ResultsStartTexts, position));
    EXPECT_EQ(position, 3);

    ResultList list;
    ExtractTopUrls("widgets", c.engine, page, 0, list);
    ASSERT_EQ(list.TopUrlCount, 6);
    for (int slot = 1; slot <= 6; ++slot) {
      std::string expected = topUrls[slot - 1];
      // Google's redirect targets are taken as the engine coded them.
      if (std::string(c.file) == "google-redirect" && slot == 4)
        expected = "http://members.aol.com/%7Ejhawk/birds.htm";
      EXPECT_EQ(list.Url(slot), expected) << "slot " << slot;
    }
  }
}

TEST(ResultPageFixtures, AllesKlarAtMarksTheTargetsItsJumpLinksRedirectTo) {
  std::string page = test::ReadPageFixture("alles-klar-at");
  std::vector<std::string> asked;
  HeadRequest head = [&asked](const std::string& host, const std::string& path) {
    asked.push_back(host + path);
    const std::string target = path.find("pos=3") != std::string::npos
                                   ? "http://www.widgetworks.com/products/"
                                   : "http://www.example.at/" + path.substr(path.size() - 1);
    return HeadAnswer{"HTTP/1.0 302 Found\r\nLocation: " + target + "\r\n\r\n", false};
  };
  ParseResultPage(test::Engine("Alles Klar AT"), page, 0, head);
  ASSERT_EQ(asked.size(), 6u);
  EXPECT_EQ(asked[0],
            Catalogue().At(FindEngineIndex("Alles Klar AT")).Host + "/j?regio=26&id=7701&pos=1");
  EXPECT_NE(page.find("<b>3. </b>" + P +
                      "<A href=\"http://www.widgetworks.com/products/\">"
                      "http://www.widgetworks.com/products/</a> WidgetWorks"),
            std::string::npos);
  Integer position = 0;
  EXPECT_TRUE(FindDomainPosition("Alles Klar AT", "www.widgetworks.com", page, 2,
                                 {" Treffer", "", ""}, position));
  EXPECT_EQ(position, 3);
}

}  // namespace
}  // namespace kestrova
