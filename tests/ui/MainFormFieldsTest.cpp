// The setting fields of the form model: the time-out rule, the user-agent
// choices with the person's own text, the date formats and the report folder.
#include <gtest/gtest.h>

#include "FormFixture.h"
#include "ui/FormTexts.h"

namespace kestrova {
namespace {

using Form = test::FormFixture;

TEST(MainFormFields, ATimeOutThatIsNoNumberAboveZeroBecomes007) {
  Form f;
  for (auto [typed, kept] : {std::pair{"abc", "007"}, std::pair{"0", "007"}, std::pair{"-3", "007"},
                             std::pair{"12", "12"}, std::pair{"4x", "4x"}}) {
    f.form.txtTimeOut.text = typed;
    f.form.txtTimeOut_Change();
    EXPECT_EQ(f.form.txtTimeOut.text, kept) << typed;
    // The replacement is told beside the field, and the note goes with a good value.
    EXPECT_EQ(f.form.lblTimeOutNote.caption.empty(), std::string(kept) != "007") << typed;
  }
  EXPECT_TRUE(f.project.Modified);
}

TEST(MainFormFields, ProxyFieldsARunCannotUseAreNamed) {
  Form f;
  f.form.txtPortProxy.text = "x";
  EXPECT_EQ(f.form.ProxyProblem(), "");  // off: nothing to say
  f.form.chkUseProxy.value = 1;
  EXPECT_EQ(f.form.ProxyProblem(), texts::kProxyHostMissing);
  f.form.txtHttpProxy.text = " 127.0.0.1 ";
  for (const char* port : {"x", "0", "65536", "80x"}) {
    f.form.txtPortProxy.text = port;
    EXPECT_EQ(f.form.ProxyProblem(), texts::kProxyPortBad) << port;
  }
  for (const char* port : {"", " 8080 ", "65535"}) {
    f.form.txtPortProxy.text = port;
    EXPECT_EQ(f.form.ProxyProblem(), "") << port;
  }
}

TEST(MainFormFields, TheOwnAgentKeepsWhatWasTypedAcrossOtherChoices) {
  Form f;
  f.form.customAgent = "Stored/1.0";
  f.form.optAgent_Click(1);
  EXPECT_EQ(f.form.txtUserAgentToUse.text, "Mozilla/4.05 [en] (Win95; I)");
  EXPECT_TRUE(f.form.txtUserAgentToUse.locked);
  f.form.txtUserAgentToUse.text = "typed while locked";
  f.form.txtUserAgentToUse_Change();  // not the Own choice: nothing kept
  f.form.optAgent_Click(3);
  EXPECT_EQ(f.form.txtUserAgentToUse.text, "Stored/1.0");
  EXPECT_FALSE(f.form.txtUserAgentToUse.locked);
  f.form.txtUserAgentToUse.text = "Mine/2.0 ";
  f.form.txtUserAgentToUse_Change();
  f.form.optAgent_Click(0);
  EXPECT_EQ(f.form.txtUserAgentToUse.text, "Mozilla/4.0 (compatible; MSIE 4.01; Windows 95)");
  f.form.optAgent_Click(2);
  EXPECT_EQ(f.form.txtUserAgentToUse.text, OwnUserAgentText());
  f.form.optAgent_Click(3);
  EXPECT_EQ(f.form.txtUserAgentToUse.text, "Mine/2.0 ");
  EXPECT_TRUE(f.form.optAgent[3].value);
  EXPECT_FALSE(f.form.optAgent[0].value);

  // Shutdown keeps the typed text even when another choice is selected by then.
  f.form.optAgent_Click(1);
  ProgramSettings settings;
  f.form.TakeStoredChoices(settings);
  EXPECT_EQ(settings.CustomAgent, "Mine/2.0 ");
}

TEST(MainFormFields, DateChoicesShowTheTimeInEachFormatAndRelabelTheLastRun) {
  Form f;
  f.form.LoadDatePreference();
  ASSERT_EQ(f.form.cmbDatePreference[kDateChoices].items.size(), 6u);
  EXPECT_EQ(f.form.cmbDatePreference[kDateChoices].items[1], "02/03/2001");
  EXPECT_EQ(f.form.cmbDatePreference[kDateFormats].listIndex, 0);

  f.form.cmbDatePreference[kDateChoices].listIndex = 1;
  f.form.cmbDatePreference_Change(kDateChoices);
  EXPECT_EQ(f.form.cmbDatePreference[kDateFormats].listIndex, 1);
  EXPECT_EQ(f.form.lblLastRun.caption, "");  // never run: the label stays
  f.project.LastRunDate = MakeDate({2000, 5, 13, 14, 5, 9});
  f.form.cmbDatePreference_Change(kDateFormats);
  EXPECT_EQ(f.form.lblLastRun.caption, "05/13/2000");
  EXPECT_TRUE(f.project.Modified);
}

TEST(MainFormFields, TheReportFolderChooserFillsTheFieldOnlyWhenAFolderWasChosen) {
  Form f;
  f.form.txtReportDirectory.text = "/old";
  f.dialogs.folderAnswers = {std::nullopt, std::string(), std::string("/new/reports")};
  f.form.cmdReportBrowse_Click();
  f.form.cmdReportBrowse_Click();
  EXPECT_EQ(f.form.txtReportDirectory.text, "/old");
  f.form.cmdReportBrowse_Click();
  EXPECT_EQ(f.project.ReportDirectory, "/new/reports");
  EXPECT_TRUE(f.project.Modified);
}

}  // namespace
}  // namespace kestrova
