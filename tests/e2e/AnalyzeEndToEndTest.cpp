// The front-page analysis through kestrova-cli against kestrova-sim's sample
// front page: the printed record, the advice, and the record kept in a project.
// Which advice a page earns is the analyzer tests' own.
#include <filesystem>

#include "CliWorld.h"

namespace kestrova::test {
namespace {

using AnalyzeEndToEnd = CliWorld;

TEST_F(AnalyzeEndToEnd, TheSampleFrontPageIsMeasuredAndKeptWithTheProject) {
  SimProcess sim("");
  ASSERT_NE(sim.Port(), 0);
  NewProject({"--domain", "www.my-site.com"});
  const CliRun run = Cli({"analyze", "--domain", "www.my-site.com", "--proxy",
                          "127.0.0.1:" + std::to_string(sim.Port()), "--keyword", "rank checker",
                          "--advice", "--html", "advice.html", "--project", kProject});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  // The script's comment is gone before comments are collected; ALT texts are not body text.
  for (const char* line : {"ServerName: kestrova-sim/1.0", "Status: -1",
                           "Title: Kestrova Demo - rank checker and web design for small business",
                           "CommentsCount: 1", "BodyCount: 2", "HeadCount: 4",
                           "MetaRevisitAfter: 14 days", "KeywordTotal: 7", "MetaTags : Present"}) {
    EXPECT_NE(run.out.find("\n" + std::string(line) + "\n"), std::string::npos) << line;
  }
  EXPECT_TRUE(std::filesystem::exists(work_ / "advice.html"));

  const ProjectState project = Load();
  EXPECT_EQ(project.Domain, "www.my-site.com");
  ASSERT_EQ(project.PageAnalyses.size(), 2u);
  EXPECT_EQ(project.PageAnalyses[1].Keyword, "rank checker");
  EXPECT_EQ(project.PageAnalyses[1].KeywordTotal, 7);
}

}  // namespace
}  // namespace kestrova::test
