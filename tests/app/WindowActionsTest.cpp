// What the window's Rank button, its closing and its front-page analysis do
// through the application: Stop whichever grid is in view, a close that keeps
// a never-saved project unless the person lets it go, and an analysis that
// goes the way a run goes.
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "support/ScriptedConnection.h"

namespace kestrova::test {
namespace {

struct WindowActions : ::testing::Test {
  // The application over a scripted network (every connect refused unless scripted).
  ScriptedNetwork network;
  TempFolder home{"kestrova-window-"};
  ScriptedDialogs dialogs;
  FixedClock clock{MakeDate({2024, 3, 9, 14, 5, 6})};
  SilentRunObserver quiet;
  SettingsMemoryBackend backend;
  SettingsStore store{backend, dialogs, "Kestrova"};
  Application app{dialogs, clock,       ProgramPaths{home / "config", home / "data"},
                  quiet,   Catalogue(), network.Factory()};

  void SetUp() override {
    app.store = &store;
    app.StartUp({});
    app.form.txtDomain.text = "www.mysite.com";
    app.form.txtKeywords.text = "blue widgets\r\nwidget shop";
    app.form.txtJobs.text = "1";
    app.form.lstSites[kSelectedSites].items = {Catalogue().At(0).Name, Catalogue().At(1).Name,
                                               Catalogue().At(2).Name};
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const RecordedMessage& message : dialogs.messages) texts.push_back(message.text);
    return texts;
  }
};

TEST_F(WindowActions, RankRunsFromEitherGridAndItsStopStopsWithTheTopUrlsInView) {
  app.form.rankingGridVisible = false;  // the Top URLs tab is in front
  bool pressed = false;
  dialogs.onYield = [&] {
    if (pressed || !app.rank.Controller().State().RunInProgress) return;
    pressed = true;
    app.form.rankingGridVisible = false;
    EXPECT_FALSE(app.RankButton_Click());  // only Stop
  };
  EXPECT_TRUE(app.RankButton_Click());
  EXPECT_TRUE(pressed);
  EXPECT_EQ(app.rank.Controller().LastRunEnd(), RunEnd::Stopped);
  EXPECT_FALSE(app.project.Rankings.empty());
  // The run showed one keyword at a time: never both lines as one entry.
  EXPECT_EQ(app.form.cmbKeyWords[kKeywordBox].items, std::vector<std::string>{"blue widgets"});
  EXPECT_EQ(app.form.selected, "blue widgets");
}

TEST_F(WindowActions, TheRunsNetworkFieldsReachTheSettingsAtItsStart) {
  app.form.chkUseProxy.value = 1;
  app.form.txtHttpProxy.text = " 127.0.0.1 ";
  app.form.txtPortProxy.text = "8080";
  app.form.optAgent_Click(1);
  app.RankButton_Click();
  EXPECT_TRUE(app.settings.UseProxy);
  EXPECT_EQ(app.settings.HttpProxy, "127.0.0.1");
  EXPECT_EQ(app.settings.AgentIndex, 1);
  EXPECT_EQ(app.settings.Jobs, 1);
  // Every check asked the proxy, never the engines themselves.
  ASSERT_FALSE(network.hostsSet.empty());
  for (const std::string& host : network.hostsSet) EXPECT_EQ(host, "127.0.0.1");
}

TEST_F(WindowActions, TheFrontPageAnalysisGoesThroughTheProxyForTheFirstKeywordLine) {
  app.form.chkUseProxy.value = 1;
  app.form.txtHttpProxy.text = "127.0.0.1";
  app.form.txtPortProxy.text = "8080";
  const std::string page =
      "HTTP/1.0 200 OK\r\n\r\n<HTML><HEAD><TITLE>blue widgets</TITLE></HEAD>"
      "<BODY>blue widgets here</BODY></HTML>";
  network.attempts.push_back({0, false, false, {page}});
  // Ranked never: the keyword box is empty, the keyword lines are not.
  ASSERT_TRUE(app.form.cmbKeyWords[kKeywordBox].items.empty());
  EXPECT_EQ(app.AnalyzeFrontPage(), FrontPageOutcome::Analyzed);
  EXPECT_TRUE(dialogs.messages.empty()) << Messages().front();
  EXPECT_EQ(network.hostsSet, std::vector<std::string>{"127.0.0.1"});
  EXPECT_EQ(network.portsSet, std::vector<int>{8080});
  ASSERT_EQ(network.requests.size(), 1u);
  EXPECT_EQ(network.requests[0].rfind("GET http://www.mysite.com/ HTTP/1.0\r\n", 0), 0u)
      << network.requests[0];
  EXPECT_EQ(app.project.PageAnalyses.at(1).Keyword, "blue widgets");
  EXPECT_EQ(app.project.PageAnalyses.at(1).TitleCount, 1);

  app.form.txtKeywords.text = "\r\n";  // nothing to analyse at all
  EXPECT_EQ(app.AnalyzeFrontPage(), FrontPageOutcome::NoKeywords);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Add some keywords to do analysis with!"});
}

TEST_F(WindowActions, ClosingANeverSavedProjectAsksAndACancelKeepsTheWindow) {
  app.form.MarkModified();
  // Cancel, then Yes with Save As cancelled: the window stays, twice.
  dialogs.answers = {MessageAnswer::Cancel, MessageAnswer::Yes};
  EXPECT_FALSE(app.ShutdownTasks());
  EXPECT_FALSE(app.mnuFileExit_Click());
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Save Project file before closing?",
                                                  "Save Project file before closing?"}));
  EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_FALSE(app.form.running);  // Exit put the window back to idle
  EXPECT_EQ(app.form.sbStatusBar[2], "");
  EXPECT_TRUE(app.project.Modified);

  // Yes with a name saves it and closes; a close after that asks nothing.
  dialogs.ChooseNext(home / "kept.rnk");
  EXPECT_TRUE(app.ShutdownTasks());
  EXPECT_TRUE(FileExists(home / "kept.rnk"));
  const std::size_t asked = dialogs.messages.size();
  EXPECT_TRUE(app.ShutdownTasks());
  EXPECT_EQ(dialogs.messages.size(), asked);
}

TEST_F(WindowActions, NoLetsAChangedProjectGoAndAFailedSaveAsksToo) {
  app.form.MarkModified();
  dialogs.answers = {MessageAnswer::No};
  EXPECT_TRUE(app.ShutdownTasks());

  // A file that cannot be written any more: the person is asked, not stuck.
  Application other{dialogs, clock, ProgramPaths{home / "config", home / "data"}, quiet};
  std::filesystem::create_directory(home / "gone");
  AppFixture::WriteProject(home / "gone/p.rnk", "web tools");
  other.StartUp({home / "gone/p.rnk"});
  other.form.MarkModified();
  std::filesystem::remove_all(home / "gone");
  dialogs.messages.clear();
  dialogs.answers = {MessageAnswer::Ok, MessageAnswer::Cancel};
  EXPECT_FALSE(other.ShutdownTasks());
  ASSERT_EQ(dialogs.messages.size(), 2u);  // the write's problem, then the question
  EXPECT_EQ(dialogs.messages[1].text, "Save Project file before closing?");
}

}  // namespace
}  // namespace kestrova::test
