#include <gtest/gtest.h>

#include "base/Files.h"
#include "cli/CliTestSupport.h"
#include "support/ExternalServer.h"
#include "support/TempFolder.h"
#include "support/TestCertificates.h"
#include "support/UserEngineSamples.h"

namespace kestrova {
namespace {

using test::LineCount;
using test::RunCliCommand;

const std::string kPlainly = R"({
  "name": "Plainly", "language": "German", "country": "Germany",
  "scheme": "http", "host": "suche.plainly.test", "port": 8080, "post": true,
  "query_templates": ["/s?q=%SEARCH_STRING%&n=%NUMTIMES_INTEGER%"],
  "increment_offset": 0, "no_results_text": "",
  "result_links": "//li/a"
})";
const std::string kEngines = test::EnginesFile(test::kSearchlyEngineJson, kPlainly);

class UserEngineCommands : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteTextFile(engines_, kEngines); }
  test::TempFolder folder_;
  const std::string engines_ = folder_ / "engines.json";
};

TEST_F(UserEngineCommands, EnginesListsTheUserEnginesAfterTheBuiltInOnes) {
  const test::CliResult result = RunCliCommand({"--engines-file", engines_, "engines"});
  ASSERT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(LineCount(result.out), 36);
  EXPECT_EQ(result.out.rfind("0\tAladin DE\tGerman\tGermany\twww.aladin.de\n", 0), 0u);
  EXPECT_NE(result.out.find("\n33\tYahoo\tEnglish\tUSA\tsearch.yahoo.com\n"
                            "34\tSearchly\tEnglish\tUSA\thttps://search.searchly.test\tuser\n"
                            "35\tPlainly\tGerman\tGermany\thttp://suche.plainly.test:8080\tuser\n"),
            std::string::npos)
      << result.out;
  // The option may follow the command, and the settings folder's file is the default.
  EXPECT_EQ(RunCliCommand({"engines", "--engines-file", engines_}).out, result.out);
  test::ScopedEnvironment settings("KESTROVA_CONFIG_DIR", folder_.path());
  EXPECT_EQ(RunCliCommand({"engines"}).out, result.out);
}

TEST_F(UserEngineCommands, ABadEnginesFileIsNamedOnStderrAndTheBuiltInsStillWork) {
  test::WriteTextFile(folder_ / "bad.json", "{\"engines\": [ {\"name\": \"X\",} ]}");
  for (const std::string& file : {folder_ / "bad.json", folder_ / "missing.json"}) {
    const test::CliResult result = RunCliCommand({"engines", "--engines-file", file});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(LineCount(result.out), 34);
    EXPECT_EQ(LineCount(result.err), 1) << result.err;
    EXPECT_EQ(result.err.rfind("kestrova-cli: " + file + ": ", 0), 0u) << result.err;
  }
  EXPECT_NE(RunCliCommand({"engines", "--engines-file", folder_ / "bad.json"})
                .err.find("not valid JSON (line 1, column 28)"),
            std::string::npos);
  const test::CliResult query =
      RunCliCommand({"query-url", "--engines-file", folder_ / "bad.json", "--engine", "Google",
                     "--keyword", "a", "--page-index", "0"});
  EXPECT_EQ(query.code, 0);
  EXPECT_EQ(query.out, "host: www.google.com\npath: /search?q=a\npost: no\n");

  // A project of a user engine is read without it, but not saved without it.
  const std::string project = folder_ / "p.rnk", missing = folder_ / "missing.json";
  ASSERT_EQ(RunCliCommand({"--engines-file", engines_, "new", project, "--domain", "a.org",
                           "--engines", "Google,Searchly"})
                .code,
            0);
  std::string before, after;
  ASSERT_TRUE(ReadWholeFile(project, before));
  for (const std::vector<std::string>& change :
       {std::vector<std::string>{"configure", project, "--depth", "7"},
        std::vector<std::string>{"keywords", project, "--add", "k"}}) {
    std::vector<std::string> args = {"--engines-file", missing};
    args.insert(args.end(), change.begin(), change.end());
    const test::CliResult refused = RunCliCommand(args);
    EXPECT_EQ(refused.code, 1) << change[0];
    EXPECT_NE(refused.err.find("the project names engines the engines file did not give "
                               "(Plainly, Searchly); nothing was done"),
              std::string::npos)
        << refused.err;
  }
  EXPECT_EQ(RunCliCommand({"--engines-file", missing, "info", project}).code, 0);
  ASSERT_TRUE(ReadWholeFile(project, after));
  EXPECT_EQ(after, before);
}

TEST_F(UserEngineCommands, CheckPrintsEachEnginesFirstQueryAndFailsOnAnyProblem) {
  test::CliResult result =
      RunCliCommand({"engines", "--check", engines_, "--keyword", "blue shoes"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out,
            "Searchly\tGET https://search.searchly.test/search?q=blue+shoes\n"
            "Plainly\tPOST http://suche.plainly.test:8080/s?q=blue+shoes&n=1\n");
  test::WriteTextFile(folder_ / "half.json", std::string(kEngines).replace(
                                                 std::string(kEngines).find("//li/a"), 6, "//li["));
  result = RunCliCommand({"engines", "--check", folder_ / "half.json"});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(LineCount(result.out), 1);
  EXPECT_NE(result.err.find("engine 2 (\"Plainly\"): field \"result_links\" "), std::string::npos)
      << result.err;
  EXPECT_EQ(RunCliCommand({"engines", "--check", folder_ / "none.json"}).code, 1);
}

TEST_F(UserEngineCommands, ParseMarksASavedPageWithTheEnginesRule) {
  std::string page = "<html><body>";
  for (int k = 1; k <= 4; ++k) {
    const std::string host = k == 2 ? "www.widgetworks.com" : "s" + std::to_string(k) + ".test";
    page += "<div class=\"result\"><a class=\"title\" href=\"https://" + host + "/\">T</a></div>";
  }
  test::WriteTextFile(folder_ / "page.html", page + "</body></html>");
  const test::CliResult result = RunCliCommand(
      {"parse", "--engines-file", engines_, "--engine", "Searchly", "--domain",
       "www.widgetworks.com", "--keyword", "w", "--page-index", "1", folder_ / "page.html"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out.rfind("found: yes\nposition: 12\n", 0), 0u) << result.out;
}

TEST(FetchCommandTls, PrintsAPageServedOverTlsAndRefusesAnUntrustedCertificate) {
  test::TestCertificates certificates;
  if (!certificates.Ready()) GTEST_SKIP() << "the openssl command is not installed";
  const std::string page = "<html><body>served over TLS</body></html>\n";
  test::WriteTextFile(certificates.Folder() / "index.html", page);
  const test::CertificateFiles self = certificates.SelfSigned("self", "127.0.0.1");
  test::OpenSslWebServer server;
  ASSERT_TRUE(server.Start(certificates.Folder().path(), self));
  const std::string url = "https://127.0.0.1:" + std::to_string(server.Port()) + "/index.html";

  test::CliResult result = RunCliCommand({"fetch", "--url", url, "--ca-file", self.certificate});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_NE(result.out.find(page), std::string::npos) << result.out;
  EXPECT_EQ(result.err, "completed: yes\n");

  result = RunCliCommand({"fetch", "--url", url, "--timeout", "5"});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err,
            "kestrova-cli fetch: TLS error: certificate not accepted: self-signed certificate\n"
            "completed: no\n");
  EXPECT_EQ(RunCliCommand({"fetch", "--url", "ftp://127.0.0.1/"}).code, 2);
  EXPECT_EQ(RunCliCommand({"fetch", "--url", url, "--host", "h"}).code, 2);
}

}  // namespace
}  // namespace kestrova
