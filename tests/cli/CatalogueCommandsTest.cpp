#include <gtest/gtest.h>

#include <algorithm>

#include "cli/CliTestSupport.h"

namespace kestrova {
namespace {

using test::RunCliCommand;

int LineCount(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

void ExpectUsageError(const std::vector<std::string>& args) {
  const test::CliResult result = RunCliCommand(args);
  EXPECT_EQ(result.code, 2) << args[0];
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(LineCount(result.err), 1) << result.err;
}

TEST(CatalogueCommands, EnginesListsEveryEngineTabSeparated) {
  const test::CliResult result = RunCliCommand({"engines"});
  ASSERT_EQ(result.code, 0);
  EXPECT_EQ(LineCount(result.out), 34);
  EXPECT_EQ(result.out.rfind("0\tAladin DE\tGerman\tGermany\twww.aladin.de\n", 0), 0u);
  EXPECT_NE(result.out.find("\n33\tYahoo\tEnglish\tUSA\tsearch.yahoo.com\n"), std::string::npos);
}

TEST(CatalogueCommands, QueryUrlPrintsHostExactPathAndMethod) {
  test::CliResult result = RunCliCommand(
      {"query-url", "--engine", "Google", "--keyword", "web design", "--page-index", "5"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.out,
            "host: www.google.com\npath: /search?q=web+design&start=50&sa=N\npost: no\n");

  result =
      RunCliCommand({"query-url", "--engine", "DirectHit", "--keyword", "a", "--page-index", "4"});
  EXPECT_NE(result.out.find("&template=search \npost: no\n"), std::string::npos) << result.out;

  result =
      RunCliCommand({"query-url", "--engine", "AlpaVista", "--keyword", "a", "--page-index", "0"});
  EXPECT_NE(result.out.find("\npost: yes\n"), std::string::npos);
  // The keyword arrives as UTF-8, goes out as one byte, and prints as UTF-8 again.
  result = RunCliCommand(
      {"query-url", "--engine", "Google", "--keyword", "caf\xC3\xA9 bar", "--page-index", "0"});
  EXPECT_NE(result.out.find("path: /search?q=caf\xC3\xA9+bar\n"), std::string::npos) << result.out;
}

TEST(CatalogueCommands, QueryUrlRefusesUnknownEnginesAndBadPageIndexes) {
  ExpectUsageError({"query-url", "--engine", "google", "--keyword", "a", "--page-index", "0"});
  ExpectUsageError({"query-url", "--engine", "Google", "--keyword", "a", "--page-index=-1"});
  ExpectUsageError({"query-url", "--engine", "Google", "--keyword", "a", "--page-index", "99999"});
}

TEST(CatalogueCommands, UrlRunsExactlyOneHelper) {
  EXPECT_EQ(RunCliCommand({"url", "--encode", "web tools: a/b.c"}).out, "web+tools%3A+a%2Fb%2Ec\n");
  EXPECT_EQ(RunCliCommand({"url", "--decode", "%2f%2F%3a"}).out, "//:\n");
  EXPECT_EQ(RunCliCommand({"url", "--safe-name", "a/b?c=d&e"}).out, "a!b!c!d!e\n");
  EXPECT_EQ(RunCliCommand({"url", "--split", "http://www.site.com/dir/page.html"}).out,
            "host: www.site.com\npath: /dir/page.html\n");

  const test::CliResult failed = RunCliCommand({"url", "--split", "/next/page"});
  EXPECT_EQ(failed.code, 1);
  EXPECT_EQ(failed.out, "host: \npath: \n");
  EXPECT_EQ(LineCount(failed.err), 1);

  ExpectUsageError({"url", "--encode", "a", "--decode", "b"});
  ExpectUsageError({"url", "--split"});
}

}  // namespace
}  // namespace kestrova
