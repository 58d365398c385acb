// Ranking runs of kestrova-cli through kestrova-sim with the keywords, domains
// and files a hostile tester would use: every saved page gets a name of its own
// and the reports link to it, no project text becomes markup, and a run that
// lost output says so in its exit code.
#include <filesystem>
#include <set>

#include "CliWorld.h"

namespace kestrova::test {
namespace {

namespace fs = std::filesystem;

class HostileRun : public CliWorld {
 protected:
  void NewProject(const std::string& domain, const std::string& engines,
                  const std::vector<std::string>& extra = {}) {
    std::vector<std::string> options = {"--domain", domain, "--engines", engines,
                                        "--depth",  "10",   "--timeout", "5"};
    options.insert(options.end(), extra.begin(), extra.end());
    CliWorld::NewProject(options);
  }
  CliRun RankKeywords(const SimProcess& sim, const std::vector<std::string>& keywords) {
    std::vector<std::string> options;
    for (const std::string& keyword : keywords)
      options.insert(options.end(), {"--keyword", keyword});
    return Rank(sim, options);
  }
  // The targets of the links of one HTML file that lead to saved pages.
  static std::vector<std::string> SavedPageLinks(const std::string& html) {
    std::vector<std::string> targets;
    for (std::size_t at = 0; (at = html.find("href=\"reports/domain_", at)) != std::string::npos;) {
      at += 6;
      targets.push_back(html.substr(at, html.find('"', at) - at));
    }
    return targets;
  }
};

TEST_F(HostileRun, EveryKeywordSavesItsOwnPageAndTheReportsLinkToIt) {
  SimProcess sim("");
  ASSERT_NE(sim.Port(), 0);
  NewProject("www.hostile-shop.com", "Google");
  // Names past the file system's limit and keywords that once all saved as one file.
  const std::string longKeyword(300, 'k');
  const std::vector<std::string> keywords = {
      longKeyword + "1", longKeyword + "2", ".", "..", "....", "a/b", "a\\b", "a?b", "a=b", "a&b"};
  const CliRun run = RankKeywords(sim, keywords);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err.find("could not write"), std::string::npos) << run.err;

  const fs::path folder = work_ / "reports/domain_www.hostile-shop.com/Google/keywords";
  std::set<std::string> saved;
  for (const auto& entry : fs::directory_iterator(folder)) {
    saved.insert(entry.path().filename().string());
    EXPECT_LE(entry.path().filename().string().size(), 124u);
  }
  EXPECT_EQ(saved.size(), keywords.size()) << "one page per keyword, none overwritten";

  // Each keyword's Ranking report links its Result to the page saved for it.
  std::set<std::string> linked;
  for (const std::string& keyword : keywords) {
    const CliRun report = Cli({"report", kProject, "--keyword", keyword, "--clock", clock_});
    ASSERT_EQ(report.exitCode, 0) << report.err;
    const std::vector<std::string> links = SavedPageLinks(Read("reports/Ranking.html"));
    ASSERT_EQ(links.size(), 1u) << keyword;
    std::error_code tooLong;
    EXPECT_TRUE(fs::is_regular_file(work_ / links[0], tooLong)) << links[0];
    linked.insert(links[0]);
  }
  EXPECT_EQ(linked.size(), keywords.size());

  // A keyword the project has no results for gets no empty report in place of the last one.
  const std::string last = Read("reports/Ranking.html");
  const CliRun missing = Cli({"report", kProject, "--keyword", "k", "--clock", clock_});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("the project has no results for \"k\""), std::string::npos)
      << missing.err;
  EXPECT_EQ(Read("reports/Ranking.html"), last);
}

TEST_F(HostileRun, ProjectTextNeverBecomesMarkupInReportsOrSavedPages) {
  SimProcess sim("");
  ASSERT_NE(sim.Port(), 0);
  const std::string domain = "x<img src=x onerror=alert(1)>";
  const std::string keyword = "<script>alert(1)</script>";
  const std::string domainText = "x&lt;img src=x onerror=alert(1)&gt;";
  const std::string keywordText = "&lt;script&gt;alert(1)&lt;/script&gt;";
  NewProject(domain, "Google", {"--highlight"});
  const CliRun run = RankKeywords(sim, {keyword});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ASSERT_EQ(Cli({"report", kProject, "--top-urls", "--clock", clock_}).exitCode, 0);

  const std::string log = Read("reports/Log.html");
  EXPECT_NE(log.find("<b>Domain : </b>" + domainText + "<br>"), std::string::npos) << log;
  EXPECT_NE(log.find("for keyword search of <b>'" + keywordText + "'</b>"), std::string::npos);
  const std::string top = Read("reports/TopUrls.html");
  EXPECT_NE(top.find("<TITLE>TopUrls Report for '" + keywordText + "'</TITLE>"), std::string::npos);
  int savedPages = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(work_.path())) {
    if (entry.path().extension() != ".html") continue;
    std::string html;
    ASSERT_TRUE(ReadWholeFile(entry.path(), html));
    EXPECT_EQ(html.find("<script"), std::string::npos) << entry.path();
    EXPECT_EQ(html.find("<img"), std::string::npos) << entry.path();
    EXPECT_EQ(html.find("&amp;lt;"), std::string::npos) << entry.path() << ": escaped twice";
    if (entry.path().filename().string().starts_with("kywd_00_")) {
      ++savedPages;
      // The saved page's bar names the keyword; the highlight marks it in the list.
      EXPECT_NE(html.find("<b>' " + keywordText + " '</b> using Google"), std::string::npos);
      EXPECT_NE(html.find("style=\"background:ffff00\">" + keywordText + "</i></b></font>"),
                std::string::npos);
    }
  }
  EXPECT_EQ(savedPages, 1);
}

TEST_F(HostileRun, ARunThatLostOutputSavesTheProjectAndFails) {
  SimProcess sim("");
  ASSERT_NE(sim.Port(), 0);
  NewProject("www.hostile-shop.com", "Google,Lycos");
  // A file where Google's folder belongs: its page cannot be saved.
  fs::create_directories(work_ / "reports/domain_www.hostile-shop.com");
  ASSERT_TRUE(WriteFileAtomically(work_ / "reports/domain_www.hostile-shop.com/Google", "x"));
  const CliRun lostPage = RankKeywords(sim, {"rank checker"});
  EXPECT_EQ(lostPage.exitCode, 3) << lostPage.err;
  EXPECT_NE(lostPage.err.find("could not write"), std::string::npos) << lostPage.err;
  const CliRun shown = Cli({"show", kProject, "--keyword", "rank checker", "--format", "csv"});
  EXPECT_NE(shown.out.find("\r\nGoogle,"), std::string::npos) << "the records were saved";
  EXPECT_NE(shown.out.find("Success"), std::string::npos) << shown.out;

  // A folder where Ranking.html belongs: the report is lost, the pages are not.
  fs::remove(work_ / "reports/domain_www.hostile-shop.com/Google");
  fs::remove(work_ / "reports/Ranking.html");
  fs::create_directory(work_ / "reports/Ranking.html");
  const CliRun lostReport = RankKeywords(sim, {"rank checker"});
  EXPECT_EQ(lostReport.exitCode, 3) << lostReport.err;
  EXPECT_NE(lostReport.err.find("Ranking.html"), std::string::npos) << lostReport.err;
  EXPECT_EQ(lostReport.out, "") << "no path of a report that is not there";

  fs::remove_all(work_ / "reports/Ranking.html");
  EXPECT_EQ(RankKeywords(sim, {"rank checker"}).exitCode, 0);
  EXPECT_NE(Cli({"rank", "--help"}).out.find("3 finished but a saved page or report could not"),
            std::string::npos);
}

}  // namespace
}  // namespace kestrova::test
