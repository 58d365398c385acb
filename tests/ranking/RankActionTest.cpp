// The Rank button: its checks with their messages, Stop, and "Redo".
#include <gtest/gtest.h>

#include "RunTestSupport.h"
#include "ranking/RankAction.h"

namespace kestrova::test {
namespace {

struct TestWindow : RankWindow {
  std::string keywordBox;
  std::vector<std::string> failed;
  std::vector<std::string> events;
  bool rankingVisible = true;

  void ReadControls() override { events.push_back("read"); }
  std::string KeywordBoxText() const override { return keywordBox; }
  std::vector<std::string> FailedEngines() const override { return failed; }
  RunSettings RunSettingsNow() override { return {"  agent  ", {}, {}}; }
  bool RankingGridVisible() const override { return rankingVisible; }
  void ShowRankingGrid() override { events.push_back("show ranking"); }
  void OpenPanel(int index) override { events.push_back("panel " + std::to_string(index)); }
  void SetFocus(FocusTarget target) override {
    events.push_back("focus " + std::to_string(static_cast<int>(target)));
  }
  void SetRunningDisplay(bool running, const std::string& caption) override {
    events.push_back(std::string(running ? "running " : "idle ") + caption);
  }
  void SelectOrAddKeyword(const std::string& k) override { events.push_back("select " + k); }
  void ReselectKeyword(const std::string& k) override { events.push_back("reselect " + k); }
};

struct ActionFixture : RunFixture {
  TestWindow window;
  RankController controller{services, window};
  ActionFixture() {
    project.SelectedEngines = {"Google"};
    window.keywordBox = "red";
  }
  const RecordedMessage& OnlyMessage() {
    EXPECT_EQ(dialogs.messages.size(), 1u);
    if (dialogs.messages.empty()) dialogs.messages.emplace_back();
    return dialogs.messages[0];
  }
};

TEST(RankAction, EachCheckRefusesWithItsMessageAndRunsNothing) {
  struct Case {
    std::function<void(ActionFixture&)> setup;
    std::string text, title;
    MessageButtons buttons;
    std::string lastEvent;
  };
  const std::vector<Case> cases = {
      {[](ActionFixture& f) { f.project.ReportDirectory = ""; }, "Report directory not set!",
       "Set Directory", MessageButtons::Ok, "focus 0"},
      {[](ActionFixture& f) { f.project.SelectedEngines.clear(); },
       "Select some engines first, then re-start", "Kestrova", MessageButtons::Ok, "panel 2"},
      {[](ActionFixture& f) { f.project.Domain = ""; }, "The domain entry is empty!", "Warning",
       MessageButtons::OkCancel, "focus 1"},
      {[](ActionFixture& f) { f.project.Domain = "x.com/http://y"; },
       "The domain entry does not need the 'http://'", "Kestrova", MessageButtons::Ok, "focus 1"},
      {[](ActionFixture& f) { f.project.Domain = "Www.x.com"; },
       "The domain entry must start with an alpha character!", "Kestrova", MessageButtons::Ok,
       "focus 1"},
      {[](ActionFixture& f) { f.window.keywordBox = ""; },
       "There are no Keywords to search for, change this?", "No Keywords", MessageButtons::YesNo,
       "focus 2"},
  };
  for (const Case& c : cases) {
    ActionFixture f;
    c.setup(f);
    f.controller.RankAction();
    EXPECT_TRUE(f.controller.Refused()) << c.text;
    const auto& message = f.OnlyMessage();
    EXPECT_EQ(message.text, c.text);
    EXPECT_EQ(message.title, c.title) << c.text;
    EXPECT_EQ(message.buttons, c.buttons) << c.text;
    EXPECT_EQ(f.window.events.back(), c.lastEvent) << c.text;
    EXPECT_TRUE(f.engines.Requests().empty());
    EXPECT_TRUE(f.project.Rankings.empty());
  }
}

TEST(RankAction, AMissingReportFolderIsMadeOnlyOnYes) {
  ActionFixture f;
  f.project.ReportDirectory = f.folder / "reports";
  f.dialogs.answers = {MessageAnswer::Cancel};
  f.controller.RankAction();
  EXPECT_TRUE(f.controller.Refused());
  EXPECT_EQ(f.OnlyMessage().text,
            "Directory does not exist!\r\n\r\nMake '" + f.project.ReportDirectory + "'");
  EXPECT_EQ(f.OnlyMessage().buttons, MessageButtons::YesNoCancel);

  ActionFixture g;
  g.project.ReportDirectory = g.folder / "reports/deeper";
  g.controller.RankAction();  // Yes by default
  EXPECT_FALSE(g.controller.Refused());
  EXPECT_EQ(g.project.Rankings.size(), 1u);
  EXPECT_EQ(g.net.UserAgent, "agent");
}

TEST(RankAction, ARunSwitchesTheDisplayAndStopOnlySetsTheFlags) {
  ActionFixture f;
  f.controller.RankAction();
  EXPECT_EQ(f.window.events, (std::vector<std::string>{"read", "select red", "running Stop",
                                                       "idle Rank", "reselect red"}));
  EXPECT_EQ(f.project.KeywordText, "red");

  f.controller.rankCaption = "Stop";  // as during a run
  f.controller.RankAction();
  EXPECT_TRUE(f.net.StopRequested);
  EXPECT_TRUE(f.net.TransferAborted);

  ActionFixture g;  // with the top-URLs grid showing, Rank only switches back
  g.window.rankingVisible = false;
  g.controller.RankAction();
  EXPECT_EQ(g.window.events, (std::vector<std::string>{"show ranking"}));
}

TEST(RankAction, AKeywordTextOfSeveralLinesShowsItsFirstLineNeverTheWholeText) {
  ActionFixture f;
  f.window.keywordBox = "\r\nred\r\nblue\r\n";  // blank first and last lines
  f.controller.RankAction();
  EXPECT_EQ(f.window.events, (std::vector<std::string>{"read", "select red", "running Stop",
                                                       "idle Rank", "reselect blue"}));
  EXPECT_EQ(f.observer.lines, (std::vector<std::string>{"1/2 red", "2/2 blue"}));
}

TEST(RankAction, RedoRunsOnlyTheFailedEnginesAndRestoresTheSelection) {
  ActionFixture f;
  f.project.SelectedEngines = {"Google", "AltaVista", "HotBot"};
  f.project.KeywordText = "red\r\nblue";
  f.controller.ReRank(kReRankFailed);  // nothing failed: nothing runs
  EXPECT_TRUE(f.engines.Requests().empty());
  EXPECT_TRUE(f.window.events.empty());

  f.window.failed = {"HotBot", "Google"};
  f.controller.ReRank(kReRankFailed);
  EXPECT_EQ(f.project.SelectedEngines, (std::vector<std::string>{"Google", "AltaVista", "HotBot"}));
  std::vector<std::string> engines;
  for (const RankingRecord& record : f.project.Rankings) {
    if (!record.IsFree()) engines.push_back(record.Keyword + "/" + record.Engine);
  }
  EXPECT_EQ(engines,
            (std::vector<std::string>{"red/HotBot", "red/Google", "blue/HotBot", "blue/Google"}));
  EXPECT_EQ(f.window.events.back(), "reselect blue");
}

}  // namespace
}  // namespace kestrova::test
