// The page walk of one engine check, built-in or from the engines file, driven
// by scripted answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RunTestSupport.h"
#include "base/Files.h"
#include "engines/UserEnginesFile.h"
#include "ranking/EngineCheck.h"
#include "ranking/ResultPaths.h"
#include "ranking/RunTexts.h"

namespace kestrova::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Urls(int first, int count, int mineAt = -1) {
  std::vector<std::string> urls;
  for (int i = first; i < first + count; ++i)
    urls.push_back("http://www.other" + std::to_string(i) + ".com/");
  if (mineAt >= 0) urls[mineAt] = "http://www.mysite.com/shoes.html";
  return urls;
}

std::string Saved(const RunFixture& f, int pageIndex, const std::string& keyword) {
  std::string bytes;
  ReadWholeFile(f.KeywordsFolder("Google") + "/" + SavedPageName(pageIndex, keyword), bytes);
  return bytes;
}

TEST(EngineCheck, PageCountFollowsTheKeywordDepth) {
  for (auto [depth, last] : {std::pair{15, 1}, {25, 1}, {35, 3}, {5, 0}, {-40, 0}, {32767, 3276}})
    EXPECT_EQ(LastPageIndex(static_cast<Integer>(depth)), last) << depth;
}

TEST(EngineCheck, FindsTheDomainOnALaterPageAndStopsThere) {
  RunFixture f;
  f.project.KeywordDepth = 40;
  f.ScriptGoogle("blue shoes", 0, {RunFixture::GooglePage(Urls(1, 10))});
  f.ScriptGoogle("blue shoes", 1, {RunFixture::GooglePage(Urls(11, 10, 1))});

  const CheckOutcome outcome = f.Check("blue shoes", "Google");
  EXPECT_TRUE(outcome.succeeded);
  EXPECT_EQ(outcome.pageFound, 2);
  EXPECT_EQ(outcome.position, 12);
  EXPECT_EQ(f.engines.Requests().size(), 2u);  // pages 3 and 4 are never asked for
  EXPECT_EQ(outcome.topUrlCount, 10);
  EXPECT_EQ(outcome.topUrls[9], "http://www.other10.com/");

  const std::string first = f.KeywordsFolder("Google") + "/kywd_00_blue shoes.html";
  ASSERT_EQ(f.reports.logLines.size(), 3u);
  EXPECT_EQ(f.reports.logLines[0], "008000|Success&nbsp;&nbsp;|" + first + "|0|blue shoes|Google");
  EXPECT_TRUE(f.reports.logLines[1].ends_with("|1|blue shoes|Google"));
  EXPECT_EQ(f.reports.logLines[2], "end");

  // Saved pages lose the answer's header lines and carry the bar with the 0-based page.
  const std::string saved = Saved(f, 1, "blue shoes");
  EXPECT_TRUE(saved.starts_with("<html><base href=www.google.com>")) << saved.substr(0, 60);
  EXPECT_NE(saved.find("[Page 01]&nbsp;&nbsp; Keyword Report for "), std::string::npos);
  EXPECT_TRUE(saved.ends_with("\r\n"));
  for (const char* sub : {"keywords", "searchurl", "submit"}) {
    EXPECT_TRUE(DirExists(EngineFolderPath(f.project.ReportDirectory, f.project.Domain, "Google") +
                          "/" + sub));
  }
}

TEST(EngineCheck, NoResultsFailedAndTimedOutPagesEndTheWalkAsTheyDemand) {
  {  // First page says "no results": failed, one page saved and logged.
    RunFixture f;
    f.ScriptGoogle("zzz", 0,
                   {"HTTP/1.0 200 OK\r\n\r\n<HTML>Your search did not match any documents</HTML>"});
    EXPECT_FALSE(f.Check("zzz", "Google").succeeded);
    EXPECT_EQ(f.engines.Requests().size(), 1u);
    ASSERT_EQ(f.reports.logLines.size(), 2u);
    EXPECT_TRUE(f.reports.logLines[0].starts_with("FF0000|Failed&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;|"));
    EXPECT_TRUE(FileExists(f.KeywordsFolder("Google") + "/kywd_00_zzz.html"));
  }
  {  // A second page that breaks after a good first page keeps the check successful.
    RunFixture f;
    f.ScriptGoogle("red", 0, {RunFixture::GooglePage(Urls(1, 10))});
    f.ScriptGoogle("red", 1, {"", false});
    const CheckOutcome outcome = f.Check("red", "Google");
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(outcome.pageFound, 0);
    EXPECT_EQ(f.reports.logLines.size(), 3u);
  }
  {  // An empty but complete first answer is "Unknown", then at once "Failed".
    RunFixture f;
    f.ScriptGoogle("red", 0, {"", true});
    EXPECT_FALSE(f.Check("red", "Google").succeeded);
    EXPECT_NE(Saved(f, 0, "red")
                  .find("<b><font color='FF0000'>Failed&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
                        "</font></b> : No Results back from <b>Google</b><br>"),
              std::string::npos);
  }
  {  // A timed-out page is logged and the walk goes on.
    RunFixture f;
    f.ScriptGoogle("red", 0, {"", false, true});
    f.ScriptGoogle("red", 1, {RunFixture::GooglePage(Urls(11, 10, 4))});
    const CheckOutcome outcome = f.Check("red", "Google");
    EXPECT_TRUE(outcome.succeeded);
    EXPECT_EQ(outcome.position, 15);
    EXPECT_EQ(outcome.topUrlCount, 0);  // top URLs come from the first page only
    EXPECT_TRUE(f.reports.logLines[0].starts_with("FF8000|TimedOut|"));
    EXPECT_NE(Saved(f, 0, "red").find("TimedOut</font></b> : No Results back from <b>Google</b>"),
              std::string::npos);
  }
  {  // The same time-out with the transfer aborted ends the walk after the page.
    RunFixture f;
    f.ScriptGoogle("red", 0, {"", false, true, true});
    f.Check("red", "Google");
    EXPECT_EQ(f.engines.Requests().size(), 1u);
  }
  {  // So does a Stop that reaches the check between two pages, where it yields.
    RunFixture f;
    f.ScriptGoogle("red", 0, {RunFixture::GooglePage(Urls(1, 10))});
    f.checkMessenger.onYield = [&f] { RequestStop(f.checkNet); };
    EXPECT_TRUE(f.Check("red", "Google").succeeded);
    EXPECT_EQ(f.engines.Requests().size(), 1u);
  }
}

TEST(EngineCheck, RedirectsAreFollowedAtMostTenTimesAndTheirHostIsKept) {
  RunFixture f;
  f.ScriptGoogle("red", 0,
                 {"HTTP/1.0 302 Found\r\nLocation: http://mirror.google.com/first\r\n\r\n"});
  f.engines.answers["mirror.google.com /first"] = {RunFixture::GooglePage(Urls(1, 10))};
  f.engines.fallback = {"HTTP/1.0 302 Found\r\nLocation: http://loop.google.com/again\r\n\r\n"};
  EXPECT_TRUE(f.Check("red", "Google").succeeded);
  ASSERT_GE(f.engines.Requests().size(), 3u);
  // The second page goes to the redirect's host; its endless redirects are given up.
  EXPECT_TRUE(f.engines.Requests()[2].starts_with("mirror.google.com /search?q=red&start=10"));
  EXPECT_EQ(f.engines.Requests().size(), 2u + 1u + kMaxRedirectsPerPage);
  EXPECT_EQ(f.reports.logLines.size(), 3u);
}

TEST(EngineCheck, KeywordsNeverLeadSavedPagesOutOfTheKeywordsFolder) {
  RunFixture f;
  f.engines.fallback = {RunFixture::GooglePage(Urls(1, 3))};
  f.project.KeywordDepth = 10;
  for (const std::string keyword : {"../../escape", "a/b\\c?d=e&f", ".."}) {
    f.Check(keyword, "Google");
  }
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(f.folder.path())) {
    if (!entry.is_regular_file()) continue;
    EXPECT_EQ(entry.path().parent_path(), fs::path(f.KeywordsFolder("Google")));
    ++files;
  }
  EXPECT_EQ(files, 3);
  EXPECT_TRUE(FileExists(f.KeywordsFolder("Google") + "/" + SavedPageName(0, "../../escape")));
}

TEST(EngineCheck, AnUnknownEngineOrAnUnwritablePageChangesNothingElse) {
  RunFixture f;
  EXPECT_FALSE(f.Check("red", "NoSuchEngine").succeeded);
  EXPECT_TRUE(f.engines.Requests().empty());
  EXPECT_TRUE(f.reports.logLines.empty());

  // A file where the keywords folder should be: the folder message, the page is
  // not written, and the check still reports what the engine said.
  f.project.KeywordDepth = 10;
  fs::create_directories(fs::path(f.KeywordsFolder("Google")).parent_path());
  { std::ofstream blocker(f.KeywordsFolder("Google")); }
  f.engines.fallback = {RunFixture::GooglePage(Urls(1, 10, 2))};
  const CheckOutcome outcome = f.Check("red", "Google");
  EXPECT_TRUE(outcome.succeeded);
  EXPECT_EQ(outcome.position, 3);
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text,
            "Error Detected in creating Directory\r\n\r\nError Report SE Directories");
  EXPECT_EQ(f.observer.failures.size(), 1u);
  EXPECT_EQ(f.reports.logLines.size(), 2u);
}

// An engine of the user's engines file: its origin and user agent reach the
// fetcher, its pages are marked by its rule, and a TLS failure is the check's
// own status.
const char* kEnginesFile = R"({"engines": [{
  "name": "Searchly", "language": "English", "country": "USA",
  "scheme": "https", "host": "search.searchly.test", "user_agent": "Searchly-Bot/2",
  "query_templates": ["/search?q=%SEARCH_STRING%", "/search?q=%SEARCH_STRING%&start=%INCREMENT_INTEGER%"],
  "increment_offset": 0, "no_results_text": "No results for",
  "result_links": "//li[@class='hit']/a/@href"}]})";

const std::string kOrigin = "https://search.searchly.test";

std::string HitsPage(const std::vector<std::string>& urls) {
  std::string page = "HTTP/1.0 200 OK\r\n\r\n<html><body><ol>";
  for (const std::string& url : urls) page += "<li class='hit'><a href='" + url + "'>t</a></li>";
  return page + "</ol></body></html>";
}

struct UserEngineFixture : RunFixture {
  CatalogueLoad load = CatalogueWithUserEngines(kEnginesFile);
  CheckOutcome CheckSearchly(std::string_view keyword) {
    return Check(keyword, "Searchly", load.catalogue);
  }
};

TEST(UserEngineCheck, WalksTheEnginesPagesOverItsOriginAndFindsTheDomainOnPageTwo) {
  UserEngineFixture f;
  ASSERT_TRUE(f.load.problems.empty());
  f.checkNet.UserAgent = "Run agent";
  std::vector<std::string> agents;
  f.engines.onRequest = [&agents](NetworkState& net) { agents.push_back(net.UserAgent); };
  f.engines.answers[kOrigin + " /search?q=blue+shoes"] = {
      HitsPage({"http://a.test/", "http://b.test/"})};
  f.engines.answers[kOrigin + " /search?q=blue+shoes&start=10"] = {
      HitsPage({"http://c.test/", "http://d.test/", "http://www.mysite.com/shoes"})};

  const CheckOutcome outcome = f.CheckSearchly("blue shoes");
  EXPECT_TRUE(outcome.succeeded);
  EXPECT_EQ(outcome.pageFound, 2);
  EXPECT_EQ(outcome.position, 13);
  EXPECT_EQ(outcome.topUrlCount, 2);
  EXPECT_EQ(outcome.topUrls[1], "http://b.test/");
  EXPECT_EQ(agents, (std::vector<std::string>{"Searchly-Bot/2", "Searchly-Bot/2"}));
  EXPECT_EQ(f.checkNet.UserAgent, "Run agent");  // the run's agent again for the next engine
}

TEST(UserEngineCheck, ATlsFailureIsTheStatusOfTheCheckAndEndsItsWalk) {
  UserEngineFixture f;
  f.engines.fallback = {"", false};
  f.engines.onRequest = [](NetworkState& net) {
    net.TlsError = "certificate not accepted: hostname mismatch";
  };
  const CheckOutcome outcome = f.CheckSearchly("blue shoes");
  EXPECT_FALSE(outcome.succeeded);
  EXPECT_EQ(f.engines.Requests().size(), 1u);
  ASSERT_GE(f.reports.logLines.size(), 1u);
  EXPECT_EQ(f.reports.logLines[0].find(std::string(texts::kColorFailed) +
                                       "|TLS error: certificate not accepted: hostname mismatch|"),
            0u)
      << f.reports.logLines[0];
}

TEST(UserEngineCheck, ARedirectToHttpsKeepsTheSchemeForTheLaterPages) {
  UserEngineFixture f;
  f.engines.answers[kOrigin + " /search?q=x"] = {
      "HTTP/1.0 302 Found\r\nLocation: https://eu.searchly.test:8443/search?q=x\r\n\r\n"};
  f.engines.answers["https://eu.searchly.test:8443 /search?q=x"] = {HitsPage({"http://a.test/"})};
  f.CheckSearchly("x");
  const std::vector<std::string> requests = f.engines.Requests();
  ASSERT_GE(requests.size(), 3u);
  EXPECT_EQ(requests[1], "https://eu.searchly.test:8443 /search?q=x");
  EXPECT_EQ(requests[2], "https://eu.searchly.test:8443 /search?q=x&start=10");
}

}  // namespace
}  // namespace kestrova::test
