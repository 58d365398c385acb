// The catalogue's engines and the query paths their templates expand to.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "engines/EngineCatalogue.h"
#include "engines/QueryPath.h"

namespace kestrova {
namespace {

std::string PathFor(const char* engineName, Integer page, const char* keyword = "web design") {
  return BuildKeywordQuery(Catalogue().At(FindEngineIndex(engineName)), keyword, page).Path;
}

TEST(EngineCatalogue, ThirtyFourFindableEnginesWithDistinctPlainHosts) {
  const EngineCatalogue& catalogue = Catalogue();
  ASSERT_EQ(catalogue.LastEngineIndex, 33);
  std::set<std::string> hosts;
  for (Integer index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const EngineRecord& engine = catalogue.At(index);
    SCOPED_TRACE(engine.Name);
    EXPECT_EQ(FindEngineIndex(engine.Name), index);
    hosts.insert(engine.Host);
    EXPECT_EQ(engine.Host.find_first_of(" /:?"), std::string::npos);  // home link is http://Host
    // The first empty slot ends the list, so no text may follow a gap.
    EXPECT_FALSE(engine.ResultsStartTexts[0].empty());
    EXPECT_TRUE(!engine.ResultsStartTexts[1].empty() || engine.ResultsStartTexts[2].empty());
  }
  EXPECT_EQ(hosts.size(), 34u);
  for (const char* unknown : {"excite", "Excite ", "PlanetSearch", ""})
    EXPECT_EQ(FindEngineIndex(unknown), -1) << unknown;  // exact names; empty slots never match
  EXPECT_FALSE(EngineExists(EngineCatalogue{}, "Google"));
  EXPECT_THROW(catalogue.At(38), std::out_of_range);
  EXPECT_THROW(catalogue.At(-1), std::out_of_range);
  EXPECT_EQ(EngineHomeLink(Integer{-1}), "");
  // Accented texts are single Windows-1252 bytes; control characters are kept.
  EXPECT_EQ(catalogue.At(FindEngineIndex("Excite DE")).NoResultsText,
            "Ihre Suche f\xFChrte leider zu keinem Ergebnis.");
  EXPECT_EQ(catalogue.At(FindEngineIndex("Austria WWW")).NoResultsText,
            "0&nbsp;\r\n\tWeb-Sites&nbsp;");
}

TEST(EngineCatalogue, NoPageOfAnyEngineSendsAnUnexpandedPlaceholder) {
  const EngineCatalogue& catalogue = Catalogue();
  for (Integer index = 0; index <= catalogue.LastEngineIndex; ++index) {
    for (Integer page = 0; page <= 30; ++page) {
      const std::string path = BuildKeywordQuery(catalogue.At(index), "web design", page).Path;
      EXPECT_EQ(path.find("_INTEGER"), std::string::npos) << path;
      EXPECT_EQ(path.find("SEARCH_STRING"), std::string::npos) << path;
      EXPECT_NE(path.find("web+design"), std::string::npos) << path;
    }
  }
}

TEST(QueryPath, WorkedExamplesOfTheCatalogueExpandExactly) {
  EXPECT_EQ(PathFor("Google", 5), "/search?q=web+design&start=50&sa=N");
  EXPECT_TRUE(PathFor("Austria WWW", 4).ends_with("&start=39&end=50&gesamt=1000"));
  EXPECT_NE(PathFor("Lycos", 4).find("|6&page=6&first=41&type=websites"), std::string::npos);
  EXPECT_EQ(PathFor("Aladin DE", 6), "/ergebnis.cfm?next=7&Begriffe=web+design");
  EXPECT_TRUE(PathFor("NorthernLight", 4).ends_with("&nth=30+20+10+0&us=010"));
  EXPECT_TRUE(PathFor("NorthernLight", 5).ends_with("&nth=40+30+20+10+0&us=010"));
  // AltaVista's paths are sent without a leading "/".
  EXPECT_EQ(PathFor("AltaVista", 0), "cgi-bin/query?pg=q&q=web+design&stq=0&c9k");
  // Excite: the stored page-4 template, then slot 4 with the offset of -10.
  EXPECT_NE(PathFor("Excite", 3).find("&start=20&"), std::string::npos);
  EXPECT_NE(PathFor("Excite", 4).find("&start=30&"), std::string::npos);
  EXPECT_NE(PathFor("HotBot", 10).find("&base=80&"), std::string::npos);
  EXPECT_TRUE(PathFor("DirectHit", 4).ends_with("&base=40&pgsz=10&template=search "));
  EXPECT_TRUE(BuildKeywordQuery(Catalogue().At(FindEngineIndex("AlpaVista")), "a", 0).UsePost);
  // AOL's slot 5 continues the series of its stored pages two to four.
  const EngineRecord& aol = Catalogue().At(FindEngineIndex("AOL"));
  for (Integer page = 1; page <= 3; ++page)
    EXPECT_EQ(
        ExpandQueryTemplate(aol.QueryTemplates[4], "%SEARCH_STRING%", aol.IncrementOffset, page),
        aol.QueryTemplates[static_cast<std::size_t>(page)]);
  EXPECT_EQ(PathFor("AOL", 4, "x"), "/dirsearch.adp?query=x&first=41&last=50&next=item&cat=0");
  // "&" and "?" in a keyword go in as they are and split the engine's parameters.
  EXPECT_EQ(PathFor("Google", 0, "a&b?c d.e"), "/search?q=a&b?c+d%2Ee");
}

TEST(QueryPath, PlaceholdersExpandOnceInOrderAndIgnoreCase) {
  EXPECT_EQ(ExpandQueryTemplate("/?a=%SEARCH_STRING%&b=%SEARCH_STRING%", "x", 0, 0),
            "/?a=x&b=%SEARCH_STRING%");
  EXPECT_EQ(ExpandQueryTemplate("/?a=%search_String%", "x", 0, 0), "/?a=x");
  // The search text goes in first, so its own placeholder is expanded too.
  EXPECT_EQ(
      ExpandQueryTemplate("/?q=%SEARCH_STRING%&s=%INCREMENT_INTEGER%", "%INCREMENT_INTEGER%", 0, 2),
      "/?q=20&s=%INCREMENT_INTEGER%");
  // A short name must not match inside a longer one.
  EXPECT_EQ(ExpandQueryTemplate("%INCREMENT_INTEGER_LESS_ONE%|%LAST_INCREMENT_INTEGER%|"
                                "%INCREMENT_INTEGER%",
                                "", 5, 2),
            "19|30|25");
  EXPECT_EQ(ExpandQueryTemplate("%NUMTIMES_INTEGER_PLUS_ONE%|%NUMTIMES_INTEGER%", "", 0, 2), "4|3");
}

TEST(QueryPath, NumbersAreSignedAndSaturateInsteadOfWrapping) {
  EXPECT_EQ(ExpandQueryTemplate("%INCREMENT_INTEGER%", "", -10, 0), "-10");
  EXPECT_EQ(ExpandQueryTemplate("%INCREMENT_INTEGER%", "", -20, 10), "80");
  EXPECT_EQ(ExpandQueryTemplate("%INCREMENT_INTEGER_LESS_ONE%", "", 0, 0), "-1");
  EXPECT_EQ(ExpandQueryTemplate("%INCREMENT_INTEGER%|%LAST_INCREMENT_INTEGER%", "", 100, 3276),
            "32767|32767");
  EXPECT_EQ(ExpandQueryTemplate("%NUMTIMES_INTEGER_PLUS_ONE%", "", 0, kIntegerMax), "32767");
  EXPECT_EQ(ExpandQueryTemplate("%INCREMENT_INTEGER_LESS_ONE%", "", 0, kIntegerMin), "-32768");
}

TEST(QueryPath, ChainedTemplateListsEveryEarlierOffsetAndIgnoresOthers) {
  const char* chained = "/q=%SEARCH_STRING%&nth=%INCREMENT_INTEGER%&n=%NUMTIMES_INTEGER%";
  EXPECT_EQ(ExpandChainedTemplate(chained, "x", 99, 1), "/q=x&nth=0&n=%NUMTIMES_INTEGER%");
  EXPECT_EQ(ExpandChainedTemplate(chained, "x", 99, 5),
            "/q=x&nth=40+30+20+10+0&n=%NUMTIMES_INTEGER%");
  EXPECT_EQ(ExpandChainedTemplate(chained, "x", 0, 0), "/q=x&nth=-10&n=%NUMTIMES_INTEGER%");
}

}  // namespace
}  // namespace kestrova
