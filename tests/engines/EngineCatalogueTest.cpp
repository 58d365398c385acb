#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "engines/EngineCatalogue.h"
#include "engines/QueryPath.h"

namespace kestrova {
namespace {

TEST(EngineCatalogue, HoldsThirtyFourFindableEnginesWithDistinctHosts) {
  const EngineCatalogue& catalogue = Catalogue();
  ASSERT_EQ(catalogue.LastEngineIndex, 33);
  std::set<std::string> names, hosts;
  for (Integer index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const EngineRecord& engine = catalogue.At(index);
    SCOPED_TRACE(engine.Name);
    EXPECT_EQ(FindEngineIndex(engine.Name), index);
    EXPECT_TRUE(EngineExists(engine.Name));
    names.insert(engine.Name);
    hosts.insert(engine.Host);
    // The home link must be a plain host name behind "http://".
    EXPECT_EQ(engine.Host.find_first_of(" /:?"), std::string::npos);
    EXPECT_NE(engine.Host.find('.'), std::string::npos);
    for (const std::string& queryTemplate : engine.QueryTemplates) {
      EXPECT_FALSE(queryTemplate.empty());
    }
    EXPECT_FALSE(engine.ResultsStartTexts[0].empty());
    // The first empty slot ends the list, so no text may follow a gap.
    if (engine.ResultsStartTexts[1].empty()) {
      EXPECT_TRUE(engine.ResultsStartTexts[2].empty());
    }
    EXPECT_EQ(engine.UsePost, engine.Name == "AlpaVista");
  }
  EXPECT_EQ(names.size(), 34u);
  EXPECT_EQ(hosts.size(), 34u);
  for (Integer index = 34; index < kEngineSlotCount; ++index) {
    EXPECT_TRUE(catalogue.At(index).Name.empty());
    EXPECT_TRUE(catalogue.At(index).QueryTemplates[0].empty());
  }
  EXPECT_EQ(EngineHomeLink(FindEngineIndex("Google")), "http://www.google.com");
}

TEST(EngineCatalogue, NamesCompareExactlyAndUnknownNamesGiveMinusOne) {
  EXPECT_EQ(FindEngineIndex("Excite"), 19);
  EXPECT_EQ(FindEngineIndex("Excite UK"), 24);
  EXPECT_EQ(FindEngineIndex("excite"), -1);
  EXPECT_EQ(FindEngineIndex("Excite "), -1);
  EXPECT_EQ(FindEngineIndex("Canada"), -1);
  EXPECT_EQ(FindEngineIndex("PlanetSearch"), -1);
  // Slot 34 has an empty name, but the walk stops at the last engine.
  EXPECT_EQ(FindEngineIndex(""), -1);
  EXPECT_FALSE(EngineExists(""));
  EXPECT_EQ(EngineHomeLink(Integer{-1}), "");
}

TEST(EngineCatalogue, UnbuiltCatalogueKnowsNoEngineAndBadIndexIsAnError) {
  EngineCatalogue empty;
  EXPECT_EQ(FindEngineIndex(empty, ""), -1);
  EXPECT_FALSE(EngineExists(empty, "Google"));
  EXPECT_THROW(Catalogue().At(38), std::out_of_range);
  EXPECT_THROW(Catalogue().At(-1), std::out_of_range);
}

TEST(EngineCatalogue, TextsKeepTheirExactBytes) {
  const EngineCatalogue& catalogue = Catalogue();
  auto engine = [&](const char* name) { return catalogue.At(FindEngineIndex(name)); };
  EXPECT_EQ(engine("Excite DE").NoResultsText,
            "Ihre Suche f\xFC"
            "hrte leider zu keinem Ergebnis.");
  EXPECT_EQ(engine("Austria WWW").NoResultsText, "0&nbsp;\r\n\tWeb-Sites&nbsp;");
  EXPECT_EQ(engine("BellNet").NoResultsText, "");
  EXPECT_EQ(engine("AltaVista").ResultsStartTexts[2], " matches were found.");
  EXPECT_EQ(engine("HotBot").IncrementOffset, -20);
  EXPECT_EQ(engine("AlpaVista").IncrementOffset, 11);
  for (const std::string& queryTemplate : engine("AltaVista").QueryTemplates) {
    EXPECT_EQ(queryTemplate.rfind("cgi-bin/query?", 0), 0u) << queryTemplate;
  }
  EXPECT_EQ(engine("AltaVista").QueryTemplates[1],
            "cgi-bin/query?pg=q&q=%SEARCH_STRING%&stq=10&c9k");
  EXPECT_EQ(engine("InfoSeek").QueryTemplates[0],
            "/Titles?qt=%SEARCH_STRING%&col=WW&nh=10&rf=11&st=00");
  EXPECT_EQ(engine("Austria WWW").QueryTemplates[2],
            "/scripts/search/quick.idc?sb1=%SEARCH_STRING%&start=19&end=30&gesamt=1000");
  EXPECT_EQ(engine("DirectHit").QueryTemplates[4].back(), ' ');
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

TEST(EngineCatalogue, AolPageFiveContinuesTheSeriesOfPagesTwoToFour) {
  const EngineRecord& aol = Catalogue().At(FindEngineIndex("AOL"));
  for (Integer page = 1; page <= 3; ++page) {
    EXPECT_EQ(
        ExpandQueryTemplate(aol.QueryTemplates[4], "%SEARCH_STRING%", aol.IncrementOffset, page),
        aol.QueryTemplates[static_cast<std::size_t>(page)]);
  }
  EXPECT_EQ(BuildKeywordQuery(aol, "x", 4).Path,
            "/dirsearch.adp?query=x&first=41&last=50&next=item&cat=0");
}

}  // namespace
}  // namespace kestrova
