#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/Files.h"
#include "cli/CliTestSupport.h"
#include "engines/EngineCatalogue.h"
#include "store/ProjectFile.h"
#include "support/ScriptedServer.h"

namespace kestrova {
namespace {

using test::RunCliCommand;

const std::string kPage =
    "HTTP/1.0 200 OK\r\nServer: disk\r\n\r\n"
    "<html><head><title>Rank\r\nchecker</title>"
    "<meta name=\"keywords\" content=\"rank\"></head>"
    "<body>rank \xE9t\xE9</body></html>";

class AnalyzeCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        std::filesystem::temp_directory_path() / ("kestrova-analyze-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    ASSERT_TRUE(WriteFileAtomically(Path("page.html"), kPage));
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  std::filesystem::path dir_;
};

TEST_F(AnalyzeCommand, PrintsEveryStoredFieldInOrder) {
  auto result = RunCliCommand({"analyze", "--file", Path("page.html"), "--keyword", "rank"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.err, "");
  std::vector<std::string> names;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);)
    names.push_back(line.substr(0, line.find(':')));
  EXPECT_EQ(names, (std::vector<std::string>{"LocalFile",
                                             "SecondText",
                                             "Keyword",
                                             "SourceUrl",
                                             "LastModified",
                                             "ServerName",
                                             "Status",
                                             "ProblemText",
                                             "Title",
                                             "TitleDensity",
                                             "TitleCount",
                                             "BodySlot",
                                             "BodyDensity",
                                             "BodyCount",
                                             "HeadSlot",
                                             "HeadDensity",
                                             "HeadCount",
                                             "CommentsSlot",
                                             "CommentsDensity",
                                             "CommentsCount",
                                             "AltSlot",
                                             "AltDensity",
                                             "AltCount",
                                             "MetaTitle",
                                             "MetaTitleDensity",
                                             "MetaTitleCount",
                                             "MetaDescription",
                                             "MetaDescriptionDensity",
                                             "MetaDescriptionCount",
                                             "MetaKeywords",
                                             "MetaKeywordsDensity",
                                             "MetaKeywordsCount",
                                             "MetaAuthor",
                                             "MetaGenerator",
                                             "MetaObject",
                                             "MetaRobots",
                                             "MetaLanguage",
                                             "MetaRating",
                                             "MetaExpiry",
                                             "MetaRevisitAfter",
                                             "KeywordTotal"}));
  // A line break inside a value keeps the value on its line.
  EXPECT_NE(result.out.find("\nTitle: Rank\\r\\nchecker\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nServerName: disk\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nKeywordTotal: 3\n"), std::string::npos);
  // Text reaches the terminal as UTF-8, and keywords arrive from it as UTF-8.
  result =
      RunCliCommand({"analyze", "--file", Path("page.html"), "--keyword", "\xC3\xA9t\xC3\xA9"});
  EXPECT_NE(result.out.find("\nKeyword: \xC3\xA9t\xC3\xA9\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nBodyCount: 1\n"), std::string::npos);
}

TEST_F(AnalyzeCommand, AdviceAsTextAndAsHtml) {
  auto result = RunCliCommand({"analyze", "--file", Path("page.html"), "--keyword", "absent",
                               "--advice", "--html", Path("advice.html")});
  EXPECT_EQ(result.code, 0);
  EXPECT_NE(result.out.find("KeywordTotal: 0\nKestrova Analysis\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nTitle : Must add keyword!\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nKeywords : Present\n\n"), std::string::npos);
  EXPECT_EQ(result.out.find('\r'), std::string::npos);
  std::string html;
  ASSERT_TRUE(ReadWholeFile(Path("advice.html"), html));
  EXPECT_NE(html.find("&lt;meta NAME=&quot;Description&quot;"), std::string::npos);
}

TEST_F(AnalyzeCommand, MissingTagsGoToStderrAndTheRecordIsStillPrinted) {
  ASSERT_TRUE(WriteFileAtomically(Path("bare.html"), "<html><head></head>rank"));
  auto result = RunCliCommand({"analyze", "--file", Path("bare.html"), "--keyword", "rank"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.err,
            "kestrova-cli analyze: No starting <BODY tag for page from \n\nLocal File : \n\n");
  EXPECT_NE(result.out.find("\nStatus: 1\nProblemText: No starting <BODY tag\n"),
            std::string::npos);
}

TEST_F(AnalyzeCommand, StoresTheRecordInTheProject) {
  ProjectState project;
  project.Domain = "example.com";
  project.PageAnalyses.assign(4, PageAnalysisRecord{});
  ASSERT_TRUE(WriteProjectFile(Path("p.rnk"), project));
  auto result = RunCliCommand(
      {"analyze", "--file", Path("page.html"), "--keyword", "rank", "--project", Path("p.rnk")});
  EXPECT_EQ(result.code, 0) << result.err;
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(Path("p.rnk"), bytes));
  ProjectState loaded;
  ASSERT_TRUE(ReadProjectText(bytes, loaded, Catalogue()).ok);
  EXPECT_EQ(loaded.Domain, "example.com");
  ASSERT_EQ(loaded.PageAnalyses.size(), 2u);
  EXPECT_EQ(loaded.PageAnalyses[1].Keyword, "rank");
  EXPECT_EQ(loaded.PageAnalyses[1].MetaKeywords, "rank");
  EXPECT_EQ(loaded.PageAnalyses[1].KeywordTotal, 3);

  // A project that cannot be read is left alone and nothing is printed.
  ASSERT_TRUE(WriteFileAtomically(Path("bad.rnk"), "not a project"));
  result = RunCliCommand(
      {"analyze", "--file", Path("page.html"), "--keyword", "rank", "--project", Path("bad.rnk")});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out, "");
  ASSERT_TRUE(ReadWholeFile(Path("bad.rnk"), bytes));
  EXPECT_EQ(bytes, "not a project");
}

TEST_F(AnalyzeCommand, FetchesTheDomainThroughTheProxy) {
  test::ScriptedServer proxy({test::ServerScenario::Answer("page", kPage),
                              test::ServerScenario::Answer("gone", "HTTP/1.0 404 No\r\n\r\n")});
  std::string via = "127.0.0.1:" + std::to_string(proxy.Port());
  auto result = RunCliCommand(
      {"analyze", "--domain", "www.example.com", "--proxy", via, "--keyword", "rank"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_NE(result.out.find("\nServerName: disk\n"), std::string::npos);
  ASSERT_EQ(proxy.Requests().size(), 1u);
  EXPECT_EQ(proxy.Requests()[0].substr(0, 36), "GET http://www.example.com/ HTTP/1.0");

  result = RunCliCommand(
      {"analyze", "--domain", "www.example.com", "--proxy", via, "--keyword", "rank"});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err,
            "kestrova-cli analyze: Could not download page from domain of www.example.com\n");
}

TEST_F(AnalyzeCommand, ArgumentMistakesAreUsageErrors) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"analyze", "--keyword", "k"},
           {"analyze", "--file", "f", "--domain", "d", "--keyword", "k"},
           {"analyze", "--file", "f"},
           {"analyze", "--file", "f", "--proxy", "h:1", "--keyword", "k"},
           {"analyze", "--domain", "d.com", "--proxy", "h:0", "--keyword", "k"}}) {
    auto result = RunCliCommand(args);
    EXPECT_EQ(result.code, 2) << args[1] << " " << args[2];
    EXPECT_EQ(result.out, "");
  }
  auto result = RunCliCommand({"analyze", "--file", Path("none.html"), "--keyword", "k"});
  EXPECT_EQ(result.code, 1);
}

}  // namespace
}  // namespace kestrova
