// engines, query-url and url: what each prints and what each refuses. The
// engine list itself is shown with the user engines after it.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliTestSupport.h"

namespace kestrova {
namespace {

using test::RunCliCommand;

void ExpectUsageError(const std::vector<std::string>& args) {
  const test::CliResult result = RunCliCommand(args);
  EXPECT_EQ(result.code, 2) << args[0] << " " << args.back();
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(test::LineCount(result.err), 1) << result.err;
}

TEST(CatalogueCommands, QueryUrlPrintsHostExactPathAndMethod) {
  EXPECT_EQ(RunCliCommand(
                {"query-url", "--engine", "Google", "--keyword", "web design", "--page-index", "5"})
                .out,
            "host: www.google.com\npath: /search?q=web+design&start=50&sa=N\npost: no\n");
  EXPECT_NE(
      RunCliCommand({"query-url", "--engine", "AlpaVista", "--keyword", "a", "--page-index", "0"})
          .out.find("\npost: yes\n"),
      std::string::npos);
  // The keyword arrives as UTF-8, goes out as one byte, and prints as UTF-8 again.
  const auto utf8 = RunCliCommand(
      {"query-url", "--engine", "Google", "--keyword", "caf\xC3\xA9 bar", "--page-index", "0"});
  EXPECT_NE(utf8.out.find("path: /search?q=caf\xC3\xA9+bar\n"), std::string::npos) << utf8.out;

  ExpectUsageError({"query-url", "--engine", "google", "--keyword", "a", "--page-index", "0"});
  ExpectUsageError({"query-url", "--engine", "Google", "--keyword", "a", "--page-index=-1"});
  ExpectUsageError({"query-url", "--engine", "Google", "--keyword", "a", "--page-index", "99999"});
}

TEST(CatalogueCommands, UrlRunsExactlyOneHelper) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--encode", "web tools: a/b.c"}, "web+tools%3A+a%2Fb%2Ec\n"},
      {{"--decode", "%2f%2F%3a"}, "//:\n"},
      {{"--safe-name", "a/b?c=d&e"}, "a!b!c!d!e\n"},
      {{"--split", "http://www.site.com/dir/page.html"},
       "host: www.site.com\npath: /dir/page.html\n"}};
  for (const auto& [args, out] : cases) {
    std::vector<std::string> command{"url"};
    command.insert(command.end(), args.begin(), args.end());
    EXPECT_EQ(RunCliCommand(command).out, out) << args[0];
  }
  const test::CliResult failed = RunCliCommand({"url", "--split", "/next/page"});
  EXPECT_EQ(failed.code, 1);
  EXPECT_EQ(failed.out, "host: \npath: \n");
  EXPECT_EQ(test::LineCount(failed.err), 1);

  ExpectUsageError({"url", "--encode", "a", "--decode", "b"});
  ExpectUsageError({"url", "--split"});

  // Output that cannot be written (stdout on a full disk or a closed pipe) is a failure.
  std::ostream lost(nullptr);
  std::ostringstream err;
  EXPECT_EQ(cli::RunCli({"url", "--encode", "a"}, lost, err), 1);
  EXPECT_EQ(err.str(), "kestrova-cli: could not write the output\n");
}

}  // namespace
}  // namespace kestrova
