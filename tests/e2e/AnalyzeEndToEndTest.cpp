// The front-page analysis through kestrova-cli against kestrova-sim's sample
// front page: the printed record, the advice, and the record kept in a project.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <string>

#include "RankCliProcess.h"
#include "SimProcess.h"
#include "base/Files.h"
#include "engines/EngineCatalogue.h"
#include "ranking/ProjectState.h"
#include "store/ProjectFile.h"
#include "support/TempFolder.h"

namespace kestrova::test {
namespace {

namespace fs = std::filesystem;

class AnalyzeEndToEnd : public ::testing::Test {
 protected:
  TempFolder folder_{"kestrova-analyze-e2e-"};
  fs::path work_ = folder_.path();
};

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(AnalyzeEndToEnd, TheSampleFrontPageIsMeasuredAndKeptWithTheProject) {
  SimProcess sim("");
  ASSERT_NE(sim.Port(), 0);
  const std::string proxy = "127.0.0.1:" + std::to_string(sim.Port());
  CliRun created =
      RunCliProcess(work_.string(), {"new", "site.rnk", "--domain", "www.my-site.com"});
  ASSERT_EQ(created.exitCode, 0) << created.err;

  CliRun run = RunCliProcess(work_.string(), {"analyze", "--domain", "www.my-site.com", "--proxy",
                                              proxy, "--keyword", "rank checker", "--advice",
                                              "--html", "advice.html", "--project", "site.rnk"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  // The script's comment is gone before comments are collected; ALT texts are not body text.
  for (const char* line : {"ServerName: kestrova-sim/1.0", "Status: -1",
                           "Title: Kestrova Demo - rank checker and web design for small business",
                           "CommentsCount: 1", "BodyCount: 2", "HeadCount: 4",
                           "MetaRevisitAfter: 14 days", "KeywordTotal: 7", "MetaTags : Present"}) {
    EXPECT_TRUE(Has(run.out, "\n" + std::string(line) + "\n")) << line;
  }
  EXPECT_FALSE(Has(run.out, "Must add"));
  EXPECT_TRUE(fs::exists(work_ / "advice.html"));

  std::string bytes;
  ASSERT_TRUE(ReadWholeFile((work_ / "site.rnk").string(), bytes));
  ProjectState project;
  ASSERT_TRUE(ReadProjectText(bytes, project, Catalogue()).ok());
  EXPECT_EQ(project.Domain, "www.my-site.com");
  ASSERT_EQ(project.PageAnalyses.size(), 2u);
  EXPECT_EQ(project.PageAnalyses[1].Keyword, "rank checker");
  EXPECT_EQ(project.PageAnalyses[1].KeywordTotal, 7);

  // A keyword the page lacks gets every suggestion it can; the META tags stay present.
  run = RunCliProcess(work_.string(), {"analyze", "--domain", "www.my-site.com", "--proxy", proxy,
                                       "--keyword", "garden furniture", "--advice"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(Has(run.out,
                  "\nTitle : Must add keyword!\nBody : Must add keyword!\n"
                  "MetaTags : Must add keyword!\n"));
  EXPECT_TRUE(Has(run.out, "\nRobots : Present\n"));
}

}  // namespace
}  // namespace kestrova::test
