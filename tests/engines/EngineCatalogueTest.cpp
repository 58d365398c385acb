#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "engines/EngineCatalogue.h"
#include "engines/QueryPath.h"

namespace kestrova {
namespace {

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
