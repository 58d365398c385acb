// keywords and clear-rankings in-process over a project with keyword lines and
// records: what the window's Add, Delete and Clear All leave in the file, and
// refusals that must leave the file byte for byte as it was.
#include <gtest/gtest.h>

#include "base/Files.h"
#include "cli/CliTestSupport.h"
#include "engines/EngineCatalogue.h"
#include "store/ProjectFile.h"
#include "support/CheckRecords.h"
#include "support/ExternalServer.h"
#include "support/TempFolder.h"

namespace kestrova::test {
namespace {

// Lines "blue" and "red"; records blue/Google (with top URLs), red/Google,
// blue/Lycos and green/Yahoo ("green" has results but is no line any more).
class KeywordCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    ProjectState project;
    project.Domain = "www.example.com";
    project.KeywordText = "blue\r\nred";
    project.SelectedEngines = {"Google", "Lycos"};
    SyncEngineLists(project, Catalogue());
    project.Rankings = {CheckRecord("blue", "Google", 3, "03/01/2024 10:00:00 AM",
                                    {"http://www.rival.com/", "http://www.example.com/"}),
                        CheckRecord("red", "Google", 12), CheckRecord("blue", "Lycos", 0),
                        CheckRecord("green", "Yahoo", 5)};
    ASSERT_TRUE(WriteProjectFile(file_, project));
  }

  ProjectState Saved() const {
    ProjectState project;
    EXPECT_TRUE(LoadProjectFile(file_, project, Catalogue()));
    return project;
  }
  std::string Bytes() const {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(file_, bytes));
    return bytes;
  }

  TempFolder folder_;
  const std::string file_ = folder_ / "site.rnk";
};

TEST_F(KeywordCommands, ListingWritesNothingAndDeletingFreesOnlyThatKeywordsRecords) {
  const std::string before = Bytes();
  const CliResult listed = RunCliCommand({"keywords", file_});
  EXPECT_EQ(listed.code, 0) << listed.err;
  EXPECT_EQ(listed.out, "blue\nred\ngreen\n");  // the lines, then keywords with results only
  EXPECT_EQ(Bytes(), before);

  const CliResult deleted = RunCliCommand({"keywords", file_, "--delete", "blue"});
  ASSERT_EQ(deleted.code, 0) << deleted.err;
  EXPECT_EQ(deleted.err, "");  // the command was the Yes; no question printed
  ProjectState project = Saved();
  ASSERT_EQ(project.Rankings.size(), 4u);  // freed in place, as the window's Delete does
  EXPECT_TRUE(project.Rankings[0].IsFree());
  EXPECT_TRUE(project.Rankings[2].IsFree());
  EXPECT_EQ(project.Rankings[1], CheckRecord("red", "Google", 12));
  EXPECT_EQ(project.KeywordText, "red");  // the next run would bring "blue" back

  // A keyword with results only, then the last one: with no keyword left the
  // free records go too, so the domain may change again.
  ASSERT_EQ(RunCliCommand({"keywords", file_, "--delete", "green", "--delete", "red"}).code, 0);
  project = Saved();
  EXPECT_TRUE(project.Rankings.empty());
  EXPECT_EQ(project.KeywordText, "");
  EXPECT_EQ(RunCliCommand({"keywords", file_}).out, "");
}

TEST_F(KeywordCommands, AddTrimsAndRefusesRepeatsEmptyAndMultiLineKeywords) {
  const CliResult added = RunCliCommand({"keywords", file_, "--add", "  web tools  "});
  ASSERT_EQ(added.code, 0) << added.err;
  EXPECT_EQ(Saved().KeywordText, "blue\r\nred\r\nweb tools");

  const std::string before = Bytes();
  struct Refusal {
    std::vector<std::string> args;
    int code;
    std::string message;
  };
  for (const Refusal& refusal : std::vector<Refusal>{
           {{"--add", "web tools"}, 1, "Keyword already exists"},
           {{"--add", "green"}, 1, "Keyword already exists"},  // listed by its results
           {{"--add", "   "}, 1, "Type something in the keyword box first!"},
           {{"--add", "one\ntwo"}, 2, "a keyword is one line"},
           // Every change of one command is written together, or none is.
           {{"--add", "new one", "--add", "blue"}, 1, "Keyword already exists"},
           {{"--delete", "red", "--delete", "Blue"}, 1, "no keyword \"Blue\""},
       }) {
    std::vector<std::string> args{"keywords", file_};
    args.insert(args.end(), refusal.args.begin(), refusal.args.end());
    const CliResult result = RunCliCommand(args);
    EXPECT_EQ(result.code, refusal.code) << refusal.args.back();
    EXPECT_NE(result.err.find(refusal.message), std::string::npos) << result.err;
    EXPECT_EQ(Bytes(), before) << refusal.args.back();
  }
}

TEST_F(KeywordCommands, ConflictingOptionsAndUnreadableFilesChangeNothing) {
  const std::string before = Bytes();
  for (const auto& args :
       std::vector<std::vector<std::string>>{{"keywords", file_, "--add", "a", "--delete", "blue"},
                                             {"keywords", file_, "--clear", "--add", "a"},
                                             {"keywords", file_, "--delete", "blue", "--clear"},
                                             {"keywords"},
                                             {"clear-rankings"}}) {
    EXPECT_EQ(RunCliCommand(args).code, 2) << args.size();
  }
  EXPECT_EQ(Bytes(), before);

  const std::string damaged = folder_ / "damaged.rnk";
  WriteTextFile(damaged, before.substr(0, before.size() / 2));
  for (const std::string& file : {damaged, folder_ / "missing.rnk", folder_.path()}) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"keywords", file}, {"keywords", file, "--clear"}, {"clear-rankings", file}}) {
      const CliResult result = RunCliCommand(args);
      EXPECT_EQ(result.code, 1) << file;
      EXPECT_EQ(result.err.rfind("There was an error reading this file!\n", 0), 0u) << result.err;
    }
  }
  std::string half;
  ASSERT_TRUE(ReadWholeFile(damaged, half));
  EXPECT_EQ(half, before.substr(0, before.size() / 2));
  EXPECT_FALSE(FileExists(folder_ / "missing.rnk"));
}

TEST_F(KeywordCommands, ClearDropsKeywordsAndRecordsAndClearRankingsOnlyTheRecords) {
  const CliResult rankings = RunCliCommand({"clear-rankings", file_});
  ASSERT_EQ(rankings.code, 0) << rankings.err;
  EXPECT_EQ(rankings.err, "");
  EXPECT_TRUE(Saved().Rankings.empty());
  EXPECT_EQ(RunCliCommand({"keywords", file_}).out, "blue\nred\n");  // checked afresh next run
  std::string before = Bytes();
  const CliResult again = RunCliCommand({"clear-rankings", file_});
  EXPECT_EQ(again.code, 0);
  EXPECT_NE(again.err.find("no rankings to clear"), std::string::npos) << again.err;
  EXPECT_EQ(Bytes(), before);

  const CliResult cleared = RunCliCommand({"keywords", file_, "--clear"});
  ASSERT_EQ(cleared.code, 0) << cleared.err;
  EXPECT_EQ(cleared.err, "");
  const ProjectState project = Saved();
  EXPECT_EQ(project.KeywordText, "");
  EXPECT_EQ(project.Domain, "www.example.com");
  EXPECT_EQ(project.SelectedEngines, (std::vector<std::string>{"Google", "Lycos"}));
  // Nothing left to clear: the file is not written again.
  before = Bytes();
  EXPECT_EQ(RunCliCommand({"keywords", file_, "--clear"}).code, 0);
  EXPECT_EQ(Bytes(), before);
}

}  // namespace
}  // namespace kestrova::test
