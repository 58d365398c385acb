#include "ui/MainFormModel.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "FormFixture.h"
#include "base/Files.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

using Form = test::FormFixture;

TEST(MainFormModel, ReadControlsTrimsTextsAndReadsNumbers) {
  Form f;
  f.form.txtDomain.text = "  example.org  ";
  f.form.txtPassword.text = " pw ";
  f.form.lstSites[kAllSites].items = {"Gamma"};
  f.form.lstSites[kSelectedSites].items = {"Beta DE", "Alpha"};
  f.form.chkAllKeywords.value = 1;
  const std::tuple<const char*, const char*, const char*, int, int, int> numbers[] = {
      // time-out, depth, search depth -> what the project keeps
      {"abc", "12.5", "7x", 50, 12, 7},
      {"0", "13.5", "", 50, 14, 0},
      {"-3", "99999", "  8", 50, 32767, 8},
      {"007", "030", "-2", 7, 30, -2}};
  for (auto [timeOut, depth, searchDepth, wantTimeOut, wantDepth, wantSearch] : numbers) {
    f.form.txtTimeOut.text = timeOut;
    f.form.txtKeywordDepth.text = depth;
    f.form.txtSearchDepth.text = searchDepth;
    f.form.ReadControls();
    EXPECT_EQ(f.project.TimeOutSecs, wantTimeOut) << timeOut;
    EXPECT_EQ(f.project.KeywordDepth, wantDepth) << depth;
    EXPECT_EQ(f.project.SearchDepth, wantSearch) << searchDepth;
  }
  EXPECT_EQ(f.project.Domain, "example.org");
  EXPECT_EQ(f.project.Password, "pw");
  EXPECT_EQ(f.project.SelectedEngines, (std::vector<std::string>{"Beta DE", "Alpha"}));
  EXPECT_EQ(f.project.DatePreference, 0);  // nothing selected
  EXPECT_EQ(f.project.AllKeywords, 1);
}

TEST(MainFormModel, WriteControlsShowsTheProjectWithoutMarkingItChanged) {
  Form f;
  f.project.TimeOutSecs = 7;
  f.project.KeywordDepth = 120;
  f.project.SearchDepth = -5;
  f.project.DatePreference = 9;
  f.project.AllKeywords = 1;
  f.project.SelectedEngines = {"Gamma"};
  f.form.lblLastRun.caption = "earlier";
  f.form.caption = "Kestrova - a.rnk";
  f.form.WriteControls();
  EXPECT_EQ(f.form.txtTimeOut.text, "007");
  EXPECT_EQ(f.form.txtSearchDepth.text, "-005");
  // A preference beyond the list selects the first format.
  EXPECT_EQ(f.project.DatePreference, 0);
  EXPECT_EQ(f.form.cmbDatePreference[kDateFormats].listIndex, 0);
  EXPECT_FALSE(f.form.cmbKeyWords[kThirdKeywordBox].enabled);
  // Never run: the label keeps what it showed.
  EXPECT_EQ(f.form.lblLastRun.caption, "earlier");
  EXPECT_FALSE(f.project.Loading);
  EXPECT_FALSE(f.project.Modified);

  f.project.AllKeywords = 0;
  f.project.DatePreference = 1;
  f.project.LastRunDate = MakeDate({2000, 5, 13, 14, 5, 9});
  f.form.WriteControls();
  EXPECT_TRUE(f.form.cmbKeyWords[kThirdKeywordBox].enabled);
  EXPECT_EQ(f.form.lblLastRun.caption, "05/13/2000");
}

TEST(MainFormModel, ASavedProjectLoadsBackAndADamagedOneChangesNothing) {
  test::TempFolder dir;
  const std::string path = dir / "form.rnk";
  Form saver;
  saver.form.txtDomain.text = "example.org ";
  saver.form.txtTimeOut.text = "45";
  saver.form.cmbDatePreference[kDateFormats].listIndex = 4;
  saver.form.lstSites[kSelectedSites].items = {"Gamma", "Alpha"};
  saver.project.Rankings.resize(3);
  saver.project.Rankings[2].Keyword = "kept";
  ASSERT_TRUE(saver.form.SaveProject(path));

  Form loader;
  ASSERT_TRUE(loader.form.LoadProject(path));
  EXPECT_EQ(loader.form.txtDomain.text, "example.org");
  EXPECT_EQ(loader.form.txtTimeOut.text, "045");
  EXPECT_EQ(loader.form.cmbDatePreference[kDateFormats].listIndex, 4);
  EXPECT_EQ(loader.form.lstSites[kAllSites].items, std::vector<std::string>{"Beta DE"});
  EXPECT_FALSE(loader.project.Modified);

  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  // Cut inside the records: the first ones read before the file gives out.
  ASSERT_TRUE(WriteFileAtomically(path, bytes.substr(0, bytes.find("kept"))));
  loader.form.txtDomain.text = "typed";
  loader.project.Rankings.clear();
  EXPECT_FALSE(loader.form.LoadProject(path));
  EXPECT_EQ(loader.form.txtDomain.text, "typed");
  EXPECT_TRUE(loader.project.Rankings.empty());
  ASSERT_EQ(loader.dialogs.messages.size(), 1u);
  EXPECT_EQ(loader.dialogs.messages[0].title, "Read Error");

  // What the window opens may be a pipe or a device picked by mistake: refused
  // unread (a pipe would hang the window), with the reason under the message.
  test::TempFolder odd;
  const std::string pipe = odd / "pipe.rnk";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& path : {pipe, std::string("/dev/zero"), odd.path()}) {
    loader.dialogs.messages.clear();
    const Status refused = loader.form.LoadProject(path);
    EXPECT_EQ(refused.code(), StatusCode::NotRegularFile) << path;
    ASSERT_EQ(loader.dialogs.messages.size(), 1u);
    EXPECT_EQ(loader.dialogs.messages[0].text,
              "There was an error reading this file!\r\n\r\n" + path + " is not a regular file");
    EXPECT_EQ(loader.form.txtDomain.text, "typed");
  }
}

}  // namespace
}  // namespace kestrova
