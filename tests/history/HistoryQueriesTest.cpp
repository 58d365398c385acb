// Reading a history back: filters, the best rank ever and its first date, the
// top tens as competitors, the History view's series, and the date forms.
#include <gtest/gtest.h>

#include "HistoryTestSupport.h"
#include "history/Competitors.h"
#include "history/HistoryDates.h"
#include "history/KeywordHistory.h"
#include "support/ScriptedMessenger.h"
#include "support/TempFolder.h"

namespace kestrova::test {
namespace {

// Three weekly runs of "blue" on Google, Lycos and MSN and one of "red" on Google.
class ThreeRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    history_ = OpenProjectHistory(folder_ / "site.rnk", ProjectState{}, messenger_);
    ASSERT_NE(history_, nullptr);
    const std::vector<std::vector<int>> ranks = {{5, 12, 0}, {3, 12, 0}, {3, 30, 9}};
    const char* dates[] = {"03/01/2024 10:00:00 AM", "03/08/2024 10:00:00 AM",
                           "03/15/2024 10:00:00 AM"};
    for (int run = 0; run < 3; ++run) {
      std::vector<RankingRecord> records;
      const char* engines[] = {"Google", "Lycos", "MSN"};
      for (int e = 0; e < 3; ++e) {
        const int rank = ranks[run][e];
        records.push_back(Check("blue", engines[e], static_cast<Integer>(rank), dates[run],
                                {"http://rival.com/a", "http://shop.example.com/",
                                 "http://rival.com/b", "http://other.org/"}));
      }
      if (run == 1) records.push_back(Check("red", "Google", 1, dates[run]));
      RecordRun(*history_, MakeDate({2024, 3, 1 + 7 * run, 10, 0, 0}), records);
    }
  }
  HistoryStore& Store() { return history_->Store(); }

  TempFolder folder_;
  ScriptedMessenger messenger_;
  std::unique_ptr<ProjectHistory> history_;
};

TEST_F(ThreeRuns, FiltersChooseKeywordEngineAndFirstDate) {
  EXPECT_EQ(AllChecks(Store()).size(), 10u);
  CheckFilter filter;
  filter.keyword = "blue";
  filter.engine = "Lycos";
  auto rows = AllChecks(Store(), filter);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2].rank, 30);
  filter.since = "2024-03-08T10:00:00";  // at or after
  EXPECT_EQ(AllChecks(Store(), filter).size(), 2u);
  filter.keyword = "Blue";  // keywords compare exactly
  EXPECT_TRUE(AllChecks(Store(), filter).empty());
}

TEST_F(ThreeRuns, TheBestRankIsTheLowestFoundAndTheFirstDateItWasReached) {
  BestRanks best;
  CheckFilter filter;
  filter.since = "2024-03-15";  // the best is over the whole history all the same
  ASSERT_TRUE(ReadBestRanks(Store(), filter, best).ok());
  EXPECT_EQ(best.at({"blue", "Google"}).rank, 3);
  EXPECT_EQ(best.at({"blue", "Google"}).date, "2024-03-08T10:00:00");
  EXPECT_EQ(best.at({"blue", "Lycos"}).rank, 12);
  EXPECT_EQ(best.at({"blue", "Lycos"}).date, "2024-03-01T10:00:00");
  EXPECT_EQ(best.at({"blue", "MSN"}).rank, 9);  // not found (0) never counts as best
  EXPECT_EQ(best.at({"red", "Google"}).rank, 1);
}

TEST_F(ThreeRuns, CompetitorsAreTheTopTenDomainsWithTheirBestSlotPerDate) {
  CheckFilter filter;
  filter.keyword = "blue";
  filter.engine = "Google";
  std::vector<TopUrlRow> urls;
  ASSERT_TRUE(
      ForEachTopUrl(Store(), filter, [&urls](const TopUrlRow& u) { urls.push_back(u); }).ok());
  const CompetitorTable table = BuildCompetitors(urls);
  EXPECT_EQ(table.dates.at("Google"),
            (std::vector<std::string>{"2024-03-01T10:00:00", "2024-03-08T10:00:00",
                                      "2024-03-15T10:00:00"}));
  ASSERT_EQ(table.rows.size(), 3u);
  EXPECT_EQ(table.rows[0].domain, "rival.com");  // slots 1 and 3: the better one counts
  EXPECT_EQ(table.rows[0].positions.at("2024-03-08T10:00:00"), 1);
  EXPECT_FALSE(table.rows[0].own);
  EXPECT_EQ(table.rows[1].domain, "shop.example.com");
  EXPECT_TRUE(table.rows[1].own);  // under the project's www.example.com
  EXPECT_EQ(table.rows[2].domain, "other.org");
}

TEST_F(ThreeRuns, TheViewHasASeriesPerEngineInTheChosenOrder) {
  KeywordHistory view;
  ASSERT_TRUE(ReadKeywordHistory(Store(), "blue", {"MSN", "Google"}, view).ok());
  ASSERT_EQ(view.series.size(), 3u);
  EXPECT_EQ(view.series[0].engine, "MSN");
  EXPECT_EQ(view.series[1].engine, "Google");
  EXPECT_EQ(view.series[2].engine, "Lycos");  // not chosen: after the chosen ones
  EXPECT_EQ(view.series[1].checks.size(), 3u);
  EXPECT_EQ(view.notFoundLevel, 35);  // below the deepest rank, 30
  EXPECT_EQ(NotFoundLevel(0), 15);
  EXPECT_EQ(NotFoundLevel(31), 45);
}

TEST(HistoryDates, RecordAndIsoFormsReadOnlyWhatTheyShould) {
  EXPECT_EQ(IsoDateText(*ParseRecordDate("03/09/2024 12:05:06 AM")), "2024-03-09T00:05:06");
  EXPECT_EQ(IsoDateText(*ParseRecordDate("03/09/2024 12:05:06 PM")), "2024-03-09T12:05:06");
  EXPECT_EQ(IsoDateText(*ParseRecordDate("12/31/1999 11:59:59 PM")), "1999-12-31T23:59:59");
  for (const char* bad :
       {"", "13/01/2024 01:00:00 AM", "02/30/2024 01:00:00 AM", "03/09/2024 13:05:06 PM",
        "03/09/2024 00:05:06 AM", "03/09/2024 02:05:06 XM", "3/9/2024 2:05:06 PM"}) {
    EXPECT_FALSE(ParseRecordDate(bad)) << bad;
  }
  EXPECT_EQ(IsoDateText(*ParseIsoDate("2024-02-29")), "2024-02-29T00:00:00");
  EXPECT_EQ(IsoDateText(*ParseIsoDate("2024-02-29 08:30:00")), "2024-02-29T08:30:00");
  EXPECT_EQ(IsoDateText(*ParseIsoDate("2024-02-29T08:30:00")), "2024-02-29T08:30:00");
  for (const char* bad : {"2023-02-29", "2024-3-9", "2024-03-09T24:00:00", "yesterday"}) {
    EXPECT_FALSE(ParseIsoDate(bad)) << bad;
  }
}

TEST(Competitors, TheOwnDomainIsFoundAsThePositionSearchFindsIt) {
  EXPECT_EQ(UrlHost("http://WWW.Rival.com/x?y"), "www.rival.com");
  EXPECT_EQ(UrlHost("not a url"), "");
  EXPECT_TRUE(IsOwnHost("www.example.com", "www.example.com"));
  EXPECT_TRUE(IsOwnHost("example.com", "www.Example.com"));
  EXPECT_TRUE(IsOwnHost("shop.example.com", "www.example.com"));
  EXPECT_FALSE(IsOwnHost("badexample.com", "www.example.com"));
  EXPECT_FALSE(IsOwnHost("example.com.evil.net", "www.example.com"));
  EXPECT_FALSE(IsOwnHost("", "www.example.com"));
}

}  // namespace
}  // namespace kestrova::test
