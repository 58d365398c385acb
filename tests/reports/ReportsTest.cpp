#include "reports/Reports.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/Date.h"
#include "base/Files.h"
#include "base/Text.h"
#include "ranking/ProjectState.h"
#include "support/MiniCatalogue.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

const std::string kExpectedDir = std::string(KESTROVA_TEST_DATA) + "/reports/";

// A fresh report directory per test.
class ReportsTest : public ::testing::Test {
 protected:
  test::TempFolder folder{"kestrova-reports-"};
  const std::string dir = folder.path();
  FixedClock clock{MakeDate({2024, 3, 5, 14, 7, 9})};
  EngineCatalogue catalogue = test::MiniCatalogue();
  ProjectState project;
  test::ScriptedDialogs dialogs;

  void SetUp() override {
    project.ReportDirectory = dir;
    project.Domain = "example.com";
    project.AllKeywords = 1;
    project.SelectedEngines = {"Alpha", "Gamma"};
    project.KeywordText = "seo  tools";
  }

  // The report's bytes with the temporary directory written as "@DIR@".
  std::string Written(const std::string& name) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(dir + "/" + name, bytes)) << name;
    return ReplaceAll(bytes, dir, "@DIR@");
  }

  // Compares with tests/data/reports/<name>; KESTROVA_UPDATE_EXPECTED rewrites it.
  void ExpectMatchesFile(const std::string& name) {
    std::string actual = Written(name);
    if (std::getenv("KESTROVA_UPDATE_EXPECTED")) {
      std::ofstream(kExpectedDir + name, std::ios::binary) << actual;
    }
    std::string expected;
    ASSERT_TRUE(ReadWholeFile(kExpectedDir + name, expected)) << name;
    EXPECT_EQ(actual, expected) << name;
  }

  // The top-URLs grid of one "Beta DE" record of `keyword` holding `urls`.
  void ShowTopUrls(ui::TopUrlsGrid& grid, const std::string& keyword,
                   const std::vector<std::string>& urls) {
    RankingRecord record = Record("Beta DE", true, 1, "---", "");
    record.Keyword = keyword;
    for (std::size_t slot = 0; slot < urls.size(); ++slot) record.TopUrls[slot] = urls[slot];
    project.Rankings = {record};
    grid.SetupTopUrlsGrid();
    grid.DisplayTopUrlsData(project, keyword);
  }

  static RankingRecord Record(const std::string& engine, bool succeeded, Integer rank,
                              const std::string& change, const std::string& trend) {
    RankingRecord record;
    record.Keyword = "seo";
    record.Engine = engine;
    record.Succeeded = succeeded;
    record.Rank = rank;
    record.Page = static_cast<Integer>(rank == 0 ? 0 : (rank - 1) / 10 + 1);
    record.PagePosition = static_cast<Integer>(rank == 0 ? 0 : (rank - 1) % 10 + 1);
    record.ChangeText = change;
    record.TrendText = trend;
    return record;
  }
};

TEST_F(ReportsTest, ARunWritesEveryReportByteForByte) {
  // The top URLs came from the network: the report escapes them. Written first,
  // it links none of the other reports.
  ui::TopUrlsGrid topUrls(catalogue);
  ShowTopUrls(topUrls, "seo",
              {"http://evil.test/?a=1&b=\"><script>x</script>", "ftp://files.test/<b>",
               "HTTP://upper.test/"});
  EXPECT_TRUE(ViewTopUrlsReport(topUrls, project, "seo", clock, dialogs));
  EXPECT_EQ(dialogs.openedFiles, std::vector<std::string>{dir + "/TopUrls.html"});

  project.Rankings = {Record("Alpha", true, 25, "  Up, (5)", "Increased to FAIR ranking"),
                      Record("Beta DE", true, 33, "Down, (-2)", "Dropped to POOR ranking"),
                      Record("Gamma", false, 0, "", "Re-run")};
  ui::RankingGrid ranking(catalogue);
  ranking.SetupRankingGrid();
  ranking.DisplayRankingData(project, "seo");
  ranking.View().SetCurrentCol(2);
  ranking.HideColumn();
  ranking.View().SetCurrentCol(1);
  ranking.HideColumn();

  ReportContext context = MakeReportContext(project, clock);
  ReportFile log = OpenLogReportFile(project, context);
  ReportFile master = OpenMasterReportFile(context);
  WriteKeywordLogOpening(log);
  WriteKeywordLogKeyword(log);
  WriteKeywordLogLine(
      log, {"008000", "Success&nbsp;&nbsp;", dir + "/kywd_00_seo.html", 0, "seo", "Alpha"});
  WriteKeywordLogLine(log, {"FF8000", "TimedOut", dir + "/kywd_11_seo.html", 11, "seo", "Alpha"});
  WriteKeywordLogCheckEnd(log);
  WriteKeywordLogAborted(log, context);
  EXPECT_TRUE(CloseReportFile(log, context));
  EXPECT_TRUE(CloseReportFile(master, context));
  EXPECT_TRUE(GenerateRankingReport(ranking, project, "seo", clock));

  for (const char* report : {"Log.html", "Master.html", "Ranking.html", "TopUrls.html"}) {
    ExpectMatchesFile(report);
  }
  EXPECT_EQ(Written("TopUrls.html").find("<script>"), std::string::npos);
}

TEST_F(ReportsTest, EveryTextIsEscapedExactlyOnce) {
  // A top URL read from an href is HTML already: "&amp;" stays as it is, a raw
  // "&" is escaped; both then link to the same address.
  const std::string keyword = "<script>alert(1)</script>";
  ui::TopUrlsGrid topUrls(catalogue);
  ShowTopUrls(topUrls, keyword,
              {"http://a.test/?x=1&y=2", "http://a.test/?x=1&amp;y=2",
               "http://a.test/?q=&#34;&#x3c;&lt;&copy&nbsp"});
  ASSERT_TRUE(GenerateTopUrlsReport(topUrls, project, keyword, clock));
  const std::string top = Written("TopUrls.html");
  const std::string link = "<a href=\"http://a.test/?x=1&amp;y=2\">http://a.test/?x=1&amp;y=2</a>";
  const std::size_t first = top.find(link);
  ASSERT_NE(first, std::string::npos) << top;
  EXPECT_NE(top.find(link, first + 1), std::string::npos) << top;
  EXPECT_EQ(top.find("&amp;amp;"), std::string::npos);
  EXPECT_NE(top.find("?q=&#34;&#x3c;&lt;&amp;copy&amp;nbsp"), std::string::npos) << top;
  const std::string title = "TopUrls Report for '&lt;script&gt;alert(1)&lt;/script&gt;'";
  EXPECT_NE(top.find("<TITLE>" + title + "</TITLE>"), std::string::npos);
  EXPECT_NE(top.find(">" + title + "</font></CENTER></H1>"), std::string::npos);

  // The Log shows the project's texts as text and links each saved page by a
  // quoted, encoded address.
  project.ProjectFileName = "<b>p.rnk";
  project.Domain = "x<img src=x onerror=alert(1)>";
  project.SelectedEngines = {"A&B"};
  project.KeywordText = "<i>seo";
  ReportContext context = MakeReportContext(project, clock);
  ReportFile log = OpenLogReportFile(project, context);
  WriteKeywordLogLine(log, {"008000", "Success&nbsp;&nbsp;", dir + "/c# 100%/kywd_00_a\"b.html", 0,
                            "<script>", "A&B"});
  ASSERT_TRUE(CloseReportFile(log, context));
  const std::string text = Written("Log.html");
  for (const char* part : {"<b>File : </b>&lt;b&gt;p.rnk<br><br>\r\n",
                           "<b>Domain : </b>x&lt;img src=x onerror=alert(1)&gt;<br>\r\n",
                           "<LI>A&amp;B\r\n", "<LI>&lt;i&gt;seo\r\n",
                           "<a href=\"@DIR@/c%23%20100%25/kywd_00_a%22b.html\">Actual Results 01 "
                           "to 10</a> for keyword "
                           "search of <b>'&lt;script&gt;'</b> in <b>A&amp;B</b><br>"}) {
    EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
  }
  EXPECT_EQ(text.find("<img"), std::string::npos);
}

TEST_F(ReportsTest, ParameterBlockNamesMissingFileAndKeywords) {
  project.ProjectFileName = "(none)";
  project.KeywordText = " ";
  project.AllKeywords = 0;
  project.SelectedEngines.clear();
  ReportContext context = MakeReportContext(project, clock);
  ReportFile log = OpenLogReportFile(project, context);
  ASSERT_TRUE(CloseReportFile(log, context));
  const std::string text = Written("Log.html");
  for (const char* part : {"<b>File : </b>(none)<br><br>\r\n", "<b>Check Keywords : </b>\r\nNo\r\n",
                           "<b>Engines : </b>\r\n<UL>\r\n</UL><br>\r\n",
                           "<b>Keywords : </b>\r\n<UL>\r\n(none)\r\n</UL><br>\r\n<br>\r\n\r\n"})
    EXPECT_NE(text.find(part), std::string::npos) << part;
}

TEST_F(ReportsTest, AFailedWriteIsReportedAndOpensNothing) {
  ui::RankingGrid ranking(catalogue);
  ranking.SetupRankingGrid();
  project.ReportDirectory = dir + "/missing";
  ReportContext context = MakeReportContext(project, clock);

  ReportFile log = OpenLogReportFile(project, context);
  EXPECT_TRUE(log.Failed());
  const Status status = CloseReportFile(log, context);
  EXPECT_EQ(status.code(), StatusCode::WriteFailed);
  EXPECT_NE(status.message().find(dir + "/missing/Log.html"), std::string::npos);

  EXPECT_FALSE(ViewRankingReport(ranking, project, "seo", clock, dialogs));
  EXPECT_FALSE(ViewMasterReport(project, clock, dialogs));
  ViewLogReport(project, dialogs);
  EXPECT_TRUE(dialogs.openedFiles.empty());

  // The menu's variant replaces an old Ranking.html with the grid as it stands.
  project.ReportDirectory = dir;
  ASSERT_TRUE(WriteFileAtomically(dir + "/Ranking.html", "old"));
  EXPECT_TRUE(GenerateAndViewCurrentTable(ranking, project, std::nullopt, clock, dialogs));
  EXPECT_EQ(Written("Ranking.html").find("old"), std::string::npos);
  EXPECT_EQ(dialogs.openedFiles, std::vector<std::string>{dir + "/Ranking.html"});
}

}  // namespace
}  // namespace kestrova
