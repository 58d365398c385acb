// history, serp and competitors in-process over a project whose history holds
// its seeded records and one run: exact columns, filters, and refusals.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "cli/CliTestSupport.h"
#include "engines/EngineCatalogue.h"
#include "history/ProjectHistory.h"
#include "store/ProjectFile.h"
#include "support/CheckRecords.h"
#include "support/ScriptedMessenger.h"
#include "support/TempFolder.h"

namespace kestrova::test {
namespace {

RankingRecord Record(const std::string& keyword, const std::string& engine, int rank,
                     const std::string& checkedAt, const std::vector<std::string>& urls = {}) {
  return CheckRecord(keyword, engine, rank, checkedAt, urls);
}

// A project with two records ("caf\xE9" on Google and Lycos, checked 1 March),
// whose history is seeded by the first command, then a run on 8 March.
class HistoryCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    ProjectState project;
    project.Domain = "www.example.com";
    SyncEngineLists(project, Catalogue());
    project.Rankings = {Record("caf\xE9", "Google", 4, "03/01/2024 10:00:00 AM",
                               {"http://www.rival.com/", "http://www.example.com/a,b"}),
                        Record("caf\xE9", "Lycos", 0, "03/01/2024 10:00:05 AM")};
    ASSERT_TRUE(WriteProjectFile(file_, project));
    ScriptedMessenger messenger;
    auto history = OpenProjectHistory(file_, project, messenger);
    ASSERT_NE(history, nullptr);
    history->RunStarted(MakeDate({2024, 3, 8, 9, 0, 0}), 1);
    history->RecordWritten(Record("caf\xE9", "Google", 2, "03/08/2024 09:00:00 AM",
                                  {"http://www.example.com/", "http://www.rival.com/"}));
    history->RecordWritten(Record("tea", "Google", 11, "03/08/2024 09:00:03 AM"));
    history->RunEnded(MakeDate({2024, 3, 8, 9, 1, 0}), false);
  }

  TempFolder folder_;
  std::string file_ = folder_ / "site.rnk";
};

TEST_F(HistoryCommands, HistoryPrintsOneRowPerCheckInItsColumns) {
  auto csv = RunCliCommand({"history", file_, "--format", "csv"});
  ASSERT_EQ(csv.code, 0) << csv.err;
  EXPECT_EQ(csv.out,
            "date,keyword,engine,rank,page,position,result\r\n"
            "2024-03-01T10:00:00,caf\xC3\xA9,Google,4,1,4,Success\r\n"
            "2024-03-01T10:00:05,caf\xC3\xA9,Lycos,0,0,0,Success\r\n"
            "2024-03-08T09:00:00,caf\xC3\xA9,Google,2,1,2,Success\r\n"
            "2024-03-08T09:00:03,tea,Google,11,2,1,Success\r\n");

  auto best = RunCliCommand({"history", file_, "--format", "csv", "--best", "--keyword",
                             "caf\xC3\xA9", "--since", "2024-03-01 10:00:01"});
  ASSERT_EQ(best.code, 0) << best.err;
  EXPECT_EQ(best.out,
            "date,keyword,engine,rank,page,position,result,best,best_date\r\n"
            "2024-03-01T10:00:05,caf\xC3\xA9,Lycos,0,0,0,Success,,\r\n"
            "2024-03-08T09:00:00,caf\xC3\xA9,Google,2,1,2,Success,2,2024-03-08T09:00:00\r\n");

  auto json = RunCliCommand({"history", file_, "--format", "json", "--engine", "Lycos"});
  ASSERT_EQ(json.code, 0) << json.err;
  const auto rows = nlohmann::json::parse(json.out);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0]["date"], "2024-03-01T10:00:05");
  EXPECT_EQ(rows[0]["result"], "Success");

  auto table = RunCliCommand({"history", file_, "--keyword", "tea"});
  ASSERT_EQ(table.code, 0) << table.err;
  EXPECT_EQ(table.out,
            "date                 keyword  engine  rank  page  position  result\n"
            "2024-03-08T09:00:03  tea      Google  11    2     1         Success\n");
}

TEST_F(HistoryCommands, SerpPrintsEveryStoredSlotWithItsDomain) {
  auto csv = RunCliCommand({"serp", file_, "--engine", "Google"});
  ASSERT_EQ(csv.code, 0) << csv.err;
  EXPECT_EQ(csv.out,
            "date,keyword,engine,slot,url,domain\r\n"
            "2024-03-01T10:00:00,caf\xC3\xA9,Google,1,http://www.rival.com/,www.rival.com\r\n"
            "2024-03-01T10:00:00,caf\xC3\xA9,Google,2,\"http://www.example.com/a,b\","
            "www.example.com\r\n"
            "2024-03-08T09:00:00,caf\xC3\xA9,Google,1,http://www.example.com/,www.example.com\r\n"
            "2024-03-08T09:00:00,caf\xC3\xA9,Google,2,http://www.rival.com/,www.rival.com\r\n");
  auto json = RunCliCommand({"serp", file_, "--keyword", "tea", "--format", "json"});
  ASSERT_EQ(json.code, 0) << json.err;
  EXPECT_TRUE(nlohmann::json::parse(json.out).empty());
}

TEST_F(HistoryCommands, CompetitorsShowEachDomainsSlotPerDateAndMarkTheOwn) {
  auto table = RunCliCommand({"competitors", file_, "--keyword", "caf\xC3\xA9"});
  ASSERT_EQ(table.code, 0) << table.err;
  EXPECT_EQ(table.out,
            "Keyword: caf\xC3\xA9\n"
            "\n"
            "Engine: Google\n"
            "   domain           2024-03-01T10:00:00  2024-03-08T09:00:00\n"
            "*  www.example.com  2                    1\n"
            "   www.rival.com    1                    2\n");
  auto csv = RunCliCommand(
      {"competitors", file_, "--keyword", "caf\xC3\xA9", "--engine", "Google", "--format", "csv"});
  ASSERT_EQ(csv.code, 0) << csv.err;
  EXPECT_NE(csv.out.find("date,engine,domain,position,own\r\n"
                         "2024-03-01T10:00:00,Google,www.example.com,2,yes\r\n"),
            std::string::npos)
      << csv.out;
}

TEST_F(HistoryCommands, BadArgumentsAndUnreadableFilesAreRefused) {
  EXPECT_EQ(RunCliCommand({"history", file_, "--since", "last week"}).code, 2);
  EXPECT_EQ(RunCliCommand({"history", file_, "--format", "xml"}).code, 2);
  EXPECT_EQ(RunCliCommand({"serp", file_, "--format", "table"}).code, 2);
  EXPECT_EQ(RunCliCommand({"competitors", file_}).code, 2);  // --keyword is required
  EXPECT_EQ(RunCliCommand({"history", folder_ / "none.rnk"}).code, 1);

  std::ofstream(HistoryPathFor(file_), std::ios::binary | std::ios::trunc) << "garbage";
  std::remove((HistoryPathFor(file_) + "-wal").c_str());
  std::remove((HistoryPathFor(file_) + "-shm").c_str());
  auto damaged = RunCliCommand({"history", file_});
  EXPECT_EQ(damaged.code, 1);
  EXPECT_NE(damaged.err.find("could not be opened"), std::string::npos) << damaged.err;
}

}  // namespace
}  // namespace kestrova::test
