// What the window's Rank button, its closing and its front-page analysis do
// through the application: the network fields read at the run's start, Stop
// whichever grid is in view, an analysis that goes the way a run goes, and a
// close that saves a never-saved project or asks again when the save fails.
#include <gtest/gtest.h>

#include <filesystem>

#include "AppTestSupport.h"

namespace kestrova::test {
namespace {

struct WindowActions : AppFixture, ::testing::Test {
  void SetUp() override {
    app.StartUp({});
    app.form.txtDomain.text = "www.mysite.com";
    app.form.txtKeywords.text = "blue widgets\r\nwidget shop";
    app.form.txtJobs.text = "1";
    app.form.lstSites[kSelectedSites].items = {Catalogue().At(0).Name, Catalogue().At(1).Name,
                                               Catalogue().At(2).Name};
    app.form.chkUseProxy.value = 1;
    app.form.txtHttpProxy.text = " 127.0.0.1 ";
    app.form.txtPortProxy.text = "8080";
  }
};

TEST_F(WindowActions, RankTakesTheNetworkFieldsAndItsStopStopsWithTheTopUrlsInView) {
  app.form.optAgent_Click(1);
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

  // The fields reached the settings at the run's start; every check asked the proxy.
  EXPECT_TRUE(app.settings.UseProxy);
  EXPECT_EQ(app.settings.HttpProxy, "127.0.0.1");
  EXPECT_EQ(app.settings.AgentIndex, 1);
  EXPECT_EQ(app.settings.Jobs, 1);
  ASSERT_FALSE(network.hostsSet.empty());
  for (const std::string& host : network.hostsSet) EXPECT_EQ(host, "127.0.0.1");
}

TEST_F(WindowActions, TheFrontPageAnalysisGoesThroughTheProxyForTheFirstKeywordLine) {
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

// Cancel and a cancelled Save As keep the window: WindowFiles in the window tests.
TEST_F(WindowActions, ClosingANeverSavedProjectSavesItOnYesAndAFailedSaveAsksAgain) {
  app.form.MarkModified();
  dialogs.answers = {MessageAnswer::Cancel, MessageAnswer::Yes};
  EXPECT_FALSE(app.mnuFileExit_Click());
  EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_FALSE(app.form.running);  // Exit put the window back to idle
  EXPECT_EQ(app.form.sbStatusBar[2], "");
  dialogs.ChooseNext(home / "kept.rnk");
  EXPECT_TRUE(app.ShutdownTasks());
  EXPECT_TRUE(FileExists(home / "kept.rnk"));
  std::size_t asked = dialogs.messages.size();
  EXPECT_TRUE(app.ShutdownTasks());  // saved: nothing to ask
  EXPECT_EQ(dialogs.messages.size(), asked);

  // A file that cannot be written any more: the person is asked, not stuck.
  Application other{dialogs, clock, ProgramPaths{home / "config", home / "data"}, quiet};
  std::filesystem::create_directory(home / "gone");
  WriteProject(home / "gone/p.rnk", "web tools");
  other.StartUp({home / "gone/p.rnk"});
  other.form.MarkModified();
  std::filesystem::remove_all(home / "gone");
  asked = dialogs.messages.size();
  dialogs.answers = {MessageAnswer::Ok, MessageAnswer::Cancel};
  EXPECT_FALSE(other.ShutdownTasks());
  ASSERT_EQ(dialogs.messages.size(), asked + 2);  // the write's problem, then the question
  EXPECT_EQ(dialogs.messages.back().text, "Save Project file before closing?");
}

}  // namespace
}  // namespace kestrova::test
