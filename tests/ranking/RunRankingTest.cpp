// Whole runs over scripted engines: records, their reuse, Stop and the reports.
#include <gtest/gtest.h>

#include "RunTestSupport.h"
#include "ranking/RecordUpdate.h"
#include "ranking/RunRanking.h"

namespace kestrova::test {
namespace {

const std::vector<std::string> kFive = {"Google", "AltaVista", "HotBot", "Lycos", "Yahoo"};

TEST(RecordUpdate, ChangeAndTrendTextsFollowTheSignOfTheDifference) {
  struct Step {
    bool succeeded;
    Integer position, pageFound, pagePosition;
    const char *change, *trend;
  };
  // From rank 10; a failed check zeroes the rank, so the next success reads as a rise.
  const Step steps[] = {{true, 3, 1, 3, "Down, (-7)", "Dropped to SUPER ranking"},
                        {false, 0, 0, 0, "", "Re-run"},
                        {true, 25, 3, 5, "  Up, (25)", "Increased to FAIR ranking"},
                        {true, 25, 3, 5, "---", "Unchanged with FAIR ranking"}};
  RankingRecord record = OldRecord("k", "Google", 10);
  for (const Step& step : steps) {
    CheckOutcome outcome;
    outcome.succeeded = step.succeeded;
    outcome.position = step.position;
    outcome.pageFound = step.pageFound;
    UpdateRankingRecord(record, outcome, "k", "Google", "d.com", 30, "x");
    EXPECT_EQ(record.ChangeText, step.change) << step.trend;
    EXPECT_EQ(record.TrendText, step.trend);
    EXPECT_EQ(record.Rank, step.position);
    EXPECT_EQ(record.PagePosition, step.pagePosition) << step.trend;
  }
  EXPECT_EQ(record.CheckedDomain, "d.com");
  EXPECT_EQ(DescribeChange(-32768, 32767).change, "  Up, (65535)");  // no wrap
}

TEST(RunRanking, NewKeywordsReuseFreeRecordsBeforeTheListGrows) {
  RunFixture f;
  f.project.SelectedEngines = {"Google", "AltaVista", "HotBot"};
  f.project.KeywordText = "red";
  f.project.Rankings = {OldRecord("blue", "Google", 4), RankingRecord{},
                        OldRecord("blue", "HotBot", 9)};
  RunState state;
  EXPECT_EQ(RunRanking(f.services, state, {}), RunEnd::Finished);
  // Three new free records were added at the end; the free one in the middle went first.
  ASSERT_EQ(f.project.Rankings.size(), 6u);
  EXPECT_EQ(f.project.Rankings[1].Engine, "Google");
  EXPECT_EQ(f.project.Rankings[3].Engine, "AltaVista");
  EXPECT_EQ(f.project.Rankings[4].Engine, "HotBot");
  EXPECT_TRUE(f.project.Rankings[5].IsFree());
  EXPECT_EQ(f.project.Rankings[0].Keyword, "blue");
  EXPECT_EQ(state.LastRunKeyword, "red");
  EXPECT_TRUE(f.project.Modified);
  EXPECT_EQ(f.project.LastRunDate, f.clock.Now());
  EXPECT_EQ(f.engines.Timeout(), std::chrono::milliseconds(5000));
  EXPECT_EQ(f.reports.calls, (std::vector<std::string>{"open log", "open master", "close log",
                                                       "close master", "ranking"}));
  EXPECT_EQ(f.observer.statusTexts[0], "Searching [ Google ] engine 01 of 03");
  EXPECT_EQ(f.observer.captions,
            (std::vector<std::string>{"00%   00 of 03 engines done", "33%   01 of 03 engines done",
                                      "67%   02 of 03 engines done", "100%   03 of 03 engines done",
                                      ""}));
  ASSERT_GE(f.reports.logLines.size(), 3u);
  EXPECT_EQ(f.reports.logLines[1], "keyword");
  EXPECT_EQ(f.reports.logLines.back(), "end");
  EXPECT_EQ(f.net.busyDepth, 0);
}

TEST(RunRanking, StopDuringTheSecondOfFiveEnginesKeepsTheOthersAsTheyWere) {
  RunFixture f;
  f.project.SelectedEngines = kFive;
  f.project.KeywordText = "red\r\nblue";
  for (const std::string& engine : kFive) f.project.Rankings.push_back(OldRecord("red", engine, 7));
  const auto before = f.project.Rankings;
  f.engines.fallback = {RunFixture::GooglePage({"http://www.x.com/"})};
  f.Script("AltaVista", "red", 0, {"", true, false, false, 0, true});
  // Stop is pressed on the run's thread, as in the window, once AltaVista waits.
  f.dialogs.onYield = [&f] {
    if (f.engines.Holding() == 1) RequestStop(f.net);
  };
  RunState state;
  RunSettings oneAtATime;
  oneAtATime.jobs = 1;
  EXPECT_EQ(RunRanking(f.services, state, oneAtATime), RunEnd::Stopped);
  // "blue" was new: its five records were grown up front and stay free.
  ASSERT_EQ(f.project.Rankings.size(), 10u);
  for (int i = 5; i < 10; ++i) EXPECT_TRUE(f.project.Rankings[i].IsFree()) << i;
  EXPECT_NE(f.project.Rankings[0], before[0]);
  EXPECT_NE(f.project.Rankings[1], before[1]);
  EXPECT_FALSE(f.project.Rankings[1].Succeeded);
  for (int i = 2; i < 5; ++i) EXPECT_EQ(f.project.Rankings[i], before[i]) << i;
  EXPECT_EQ(f.engines.Requests().size(), 3u);  // Google's two pages, AltaVista's first
  EXPECT_EQ(state.LastRunKeyword, "red");
  EXPECT_EQ(f.reports.logLines.back(), "aborted");
  EXPECT_EQ(f.reports.calls.back(), "ranking");
  EXPECT_FALSE(f.net.TransferAborted);
}

TEST(RunRanking, ADeclinedReportFolderEndsTheRunBeforeAnythingChanges) {
  RunFixture f;
  f.project.ReportDirectory = f.folder / "missing";
  f.project.SelectedEngines = {"Google"};
  f.project.KeywordText = "red";
  f.dialogs.answers = {MessageAnswer::No};
  RunState state;
  EXPECT_EQ(RunRanking(f.services, state, {}), RunEnd::Declined);
  EXPECT_TRUE(f.project.Rankings.empty());
  EXPECT_FALSE(f.project.Modified);
  EXPECT_TRUE(f.reports.calls.empty());
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text,
            "Report directory does not exist.\r\nCreate " + f.project.ReportDirectory + "?");
  EXPECT_EQ(f.net.busyDepth, 0);
}

TEST(RunRanking, KeywordLinesSplitAtCrLfOnly) {
  EXPECT_TRUE(KeywordLines("").empty());
  EXPECT_EQ(KeywordLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(KeywordLines("a\nb"), (std::vector<std::string>{"a\nb"}));
}

}  // namespace
}  // namespace kestrova::test
