// Finding and freeing the project's records, its caption, and the run's index
// over the records, which must find exactly the record the plain search would,
// through every record the run takes, and at the record limit.
#include "ranking/ProjectState.h"
#include "ranking/RecordIndex.h"

#include <gtest/gtest.h>

#include <random>

#include "RunTestSupport.h"
#include "ranking/RunRanking.h"

namespace kestrova::test {
namespace {

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

// The slot the run took before it had an index: the plain search, else a new record.
std::optional<std::size_t> PlainSlotFor(ProjectState& project, const std::string& keyword,
                                        const std::string& engine) {
  const int found = FindRankingRecord(project, keyword, engine);
  if (found > 0) return static_cast<std::size_t>(found - 1);
  if (project.Rankings.size() >= static_cast<std::size_t>(kMaxRecords)) return std::nullopt;
  project.Rankings.emplace_back();
  return project.Rankings.size() - 1;
}

TEST(RecordIndex, TakesTheSameSlotsAsThePlainSearchThroughARun) {
  // Few keywords and engines, so pairs repeat, free records lie between them
  // and a pair's old record sometimes stays behind a reused free one.
  const std::vector<std::string> keywords = {"a", "b", "ab", "", std::string("a\0b", 3)};
  const std::vector<std::string> engines = {"X", "Y", "bX"};
  std::mt19937 random(1899);
  for (int round = 0; round < 300; ++round) {
    ProjectState plain;
    for (int n = static_cast<int>(random() % 12); n > 0; --n) {
      plain.Rankings.push_back(
          Record(keywords[random() % keywords.size()], engines[random() % engines.size()]));
    }
    ProjectState indexed = plain;
    RecordIndex index(indexed.Rankings);
    for (int check = 0; check < 20; ++check) {
      const std::string& keyword = keywords[random() % keywords.size()];
      if (keyword.empty()) continue;  // the run never checks an empty line
      const std::string& engine = engines[random() % engines.size()];
      ASSERT_EQ(index.Find(keyword, engine), FindRankingRecord(indexed, keyword, engine));
      const auto want = PlainSlotFor(plain, keyword, engine);
      const auto got = RecordSlotFor(indexed, index, keyword, engine);
      ASSERT_EQ(got, want) << "round " << round << " check " << check;
      plain.Rankings[*want] = Record(keyword, engine);
      indexed.Rankings[*got] = Record(keyword, engine);
      index.Taken(*got, keyword, engine);
      if (random() % 5 == 0) {  // the list grows by a free record, as new lines make it
        plain.Rankings.emplace_back();
        indexed.Rankings.emplace_back();
        index.AddedFree(indexed.Rankings.size() - 1);
      }
    }
    ASSERT_EQ(indexed.Rankings, plain.Rankings);
    for (const std::string& keyword : keywords) {
      const bool held = std::any_of(plain.Rankings.begin(), plain.Rankings.end(),
                                    [&](const RankingRecord& r) { return r.Keyword == keyword; });
      EXPECT_EQ(index.HasKeyword(keyword), held && !keyword.empty()) << keyword;
    }
  }
}

TEST(RecordIndex, ARunAtTheRecordLimitFindsTheLastKeywordAndReportsAFullList) {
  RunFixture f;
  f.project.SelectedEngines = {"Google"};
  f.project.Rankings.reserve(kMaxRecords);
  for (int n = 0; n < kMaxRecords; ++n) {
    f.project.Rankings.push_back(Record("keyword " + std::to_string(n), "Google"));
  }
  // The last keyword's record is at the end of the list; a new keyword has no room.
  f.project.KeywordText = "keyword 32766\r\nbrand new";
  RunState state;
  EXPECT_EQ(RunRanking(f.services, state, {}), RunEnd::Finished);
  ASSERT_EQ(f.project.Rankings.size(), static_cast<std::size_t>(kMaxRecords));
  EXPECT_FALSE(f.project.Rankings.back().CheckedAt.empty());
  EXPECT_EQ(f.project.Rankings.back().Keyword, "keyword 32766");
  EXPECT_TRUE(f.project.Rankings[kMaxRecords - 2].CheckedAt.empty());
  EXPECT_EQ(f.observer.failures, std::vector<std::string>{"ranking record (the list is full)"});
  const std::vector<std::string> ranked = RankingKeywords(f.project);
  ASSERT_EQ(ranked.size(), static_cast<std::size_t>(kMaxRecords));
  EXPECT_EQ(ranked.front(), "keyword 0");
  EXPECT_EQ(ranked.back(), "keyword 32766");
}

}  // namespace
}  // namespace kestrova::test
