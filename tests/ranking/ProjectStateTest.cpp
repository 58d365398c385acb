#include "ranking/ProjectState.h"

#include <gtest/gtest.h>

namespace kestrova {
namespace {

RankingRecord Record(const std::string& keyword, const std::string& engine) {
  RankingRecord record;
  record.Keyword = keyword;
  record.Engine = engine;
  return record;
}

TEST(ProjectState, RecordsAreFoundByExactKeywordAndEngineOrTheFirstFreeSlot) {
  ProjectState p;
  p.Rankings = {Record("web", "Alpha"), Record("web", "Gamma"), Record("Web", "Beta DE")};
  EXPECT_EQ(FindRankingRecord(p, "web", "Gamma"), 2);
  EXPECT_EQ(FindRankingRecord(p, "web", "Beta DE"), 0);  // keyword case differs
  EXPECT_EQ(FindRankingRecord(p, "web", "gamma"), 0);    // engine case differs
  // A free record before the pair's own record is taken first.
  p.Rankings[0].Keyword.clear();
  EXPECT_EQ(FindRankingRecord(p, "web", "Gamma"), 1);
  EXPECT_EQ(FindRankingRecord(p, "other", "Alpha"), 1);
}

TEST(ProjectState, DeletingAKeywordFreesOnlyItsRecordsInPlace) {
  ProjectState p;
  p.Rankings = {Record("a", ""), Record("b", "Alpha"), Record("a", "Gamma")};
  p.Rankings[0].TopUrls[0] = "http://one.test/";
  p.Rankings[0].TopUrls[4] = "http://five.test/";
  p.Rankings[2].TopUrls[3] = "http://kept.test/";  // first slot empty: slots stay
  EXPECT_EQ(FreeKeywordRecords(p, "a"), 2);
  ASSERT_EQ(p.Rankings.size(), 3u);
  EXPECT_EQ(p.Rankings[0], RankingRecord{});
  EXPECT_EQ(p.Rankings[2].TopUrls[3], "http://kept.test/");
  EXPECT_EQ(RankingKeywords(p), std::vector<std::string>{"b"});
  // The next keyword reuses the freed record before the list grows.
  EXPECT_EQ(FindRankingRecord(p, "c", "Alpha"), 1);
}

TEST(ProjectState, CaptionsFollowTheFileAndTheChangeMark) {
  ProjectState p;
  std::string caption = "unchanged";
  p.Loading = true;
  MarkModified(p, "Kestrova Pro", caption);
  EXPECT_FALSE(p.Modified);
  EXPECT_EQ(caption, "unchanged");
  p.Loading = false;
  for (const char* none : {"", "(none)", "<none>"}) {
    p.ProjectFileName = none;
    MarkModified(p, "Kestrova Pro", caption);
    EXPECT_EQ(caption, "Kestrova Pro - (none)");
  }
  EXPECT_TRUE(p.Modified);
  p.ProjectFileName = "site.rnk";
  MarkModified(p, "Kestrova Pro", caption);
  EXPECT_EQ(caption, "Kestrova Pro - <site.rnk>");
  MarkSaved(p, "Kestrova Pro", caption);
  EXPECT_FALSE(p.Modified);
  EXPECT_EQ(caption, "Kestrova Pro - site.rnk");
}

}  // namespace
}  // namespace kestrova
