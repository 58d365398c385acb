#include "ui/MainFormModel.h"

#include "base/Numbers.h"
#include "base/Text.h"
#include "store/ProjectFile.h"
#include "ui/Dialogs.h"
#include "ui/FormTexts.h"

namespace kestrova {
namespace {

constexpr Integer kTimeOutWhenUnset = 50;

Integer NumberOf(const TextBox& box) {
  return ToIntegerSaturated(LeadingNumber(box.text));
}
std::string Trimmed(const TextBox& box) {
  return TrimSpaces(box.text);
}
std::string ThreeDigits(Integer value) {
  return FormatDigits(value, 3);
}
// A check box holds 0, 1 or 2 (greyed); anything else in a file shows unchecked.
int CheckValue(Integer value) {
  return value >= 0 && value <= 2 ? value : 0;
}

}  // namespace

MainFormModel::MainFormModel(ProjectState& project, Dialogs& dialogs,
                             const EngineCatalogue& catalogue, const Clock& clock)
    : project(project),
      dialogs(dialogs),
      catalogue(catalogue),
      clock(clock),
      ranking(catalogue),
      topUrls(catalogue) {}

void MainFormModel::ReadControls() {
  ProjectState& p = project;
  p.Domain = Trimmed(txtDomain);
  p.ContactEmail = Trimmed(txtEmail);
  p.KeywordText = Trimmed(txtKeywords);
  p.SearchUrl = Trimmed(txtSearchURL);
  p.SubmitUrl = Trimmed(txtSubmitURL);
  p.AvailableEngines = lstSites[kAllSites].items;
  p.SelectedEngines = lstSites[kSelectedSites].items;
  p.TimeOutSecs = NumberOf(txtTimeOut);
  if (p.TimeOutSecs < 1) p.TimeOutSecs = kTimeOutWhenUnset;
  p.KeywordDepth = NumberOf(txtKeywordDepth);
  p.SearchDepth = NumberOf(txtSearchDepth);
  p.ReportDirectory = Trimmed(txtReportDirectory);
  int preference = cmbDatePreference[kDateFormats].listIndex;
  p.DatePreference = static_cast<Integer>(preference < 0 ? 0 : preference);
  p.HighlightKeywords = static_cast<Integer>(chkHighlightKeywords.value);
  p.ServerName = Trimmed(txtServer);
  p.UserName = Trimmed(txtUserName);
  p.Password = Trimmed(txtPassword);
  p.WwwSubDir = Trimmed(txtWWWSubDir);
  p.AllKeywords = static_cast<Integer>(chkAllKeywords.value);
  p.PageGenDirectory = Trimmed(txtPageGenOutputDirectory);
  p.PageGenFileName = Trimmed(txtPageGenOutputFilename);
}

void MainFormModel::WriteControls() {
  ProjectState& p = project;
  p.Loading = true;
  txtDomain.text = p.Domain;
  txtEmail.text = p.ContactEmail;
  txtKeywords.text = p.KeywordText;
  txtSearchURL.text = p.SearchUrl;
  txtSubmitURL.text = p.SubmitUrl;
  lstSites[kAllSites].items = p.AvailableEngines;
  lstSites[kAllSites].listIndex = -1;
  lstSites[kSelectedSites].items = p.SelectedEngines;
  lstSites[kSelectedSites].listIndex = -1;
  txtTimeOut.text = ThreeDigits(p.TimeOutSecs);
  txtKeywordDepth.text = ThreeDigits(p.KeywordDepth);
  txtSearchDepth.text = ThreeDigits(p.SearchDepth);
  txtReportDirectory.text = p.ReportDirectory;
  // A preference the list does not have (a file from elsewhere, a damaged one)
  // selects the first format.
  if (p.DatePreference < 0 || p.DatePreference > kLastDateFormatIndex) p.DatePreference = 0;
  cmbDatePreference[kDateFormats].listIndex = p.DatePreference;
  cmbDatePreference[kDateChoices].listIndex = p.DatePreference;
  chkHighlightKeywords.value = CheckValue(p.HighlightKeywords);
  txtServer.text = p.ServerName;
  txtUserName.text = p.UserName;
  txtPassword.text = p.Password;
  txtWWWSubDir.text = p.WwwSubDir;
  chkAllKeywords.value = CheckValue(p.AllKeywords);
  cmbKeyWords[kThirdKeywordBox].enabled = p.AllKeywords != 1;
  txtPageGenOutputDirectory.text = p.PageGenDirectory;
  txtPageGenOutputFilename.text = p.PageGenFileName;
  if (!(p.LastRunDate == kNeverRun)) {
    lblLastRun.caption = FormatDate(p.LastRunDate, p.DatePreference);
  }
  p.Loading = false;
}

void MainFormModel::MarkModified() {
  kestrova::MarkModified(project, productName, caption);
}

void MainFormModel::MarkSaved() {
  kestrova::MarkSaved(project, productName, caption);
}

NetworkControls MainFormModel::NetworkFields() const {
  NetworkControls fields;
  fields.chkUseProxy = chkUseProxy.value == 1;
  fields.txtHttpProxy = txtHttpProxy.text;
  fields.txtPortProxy = txtPortProxy.text;
  fields.chkUseDirect = chkUseDirect.value == 1;
  for (size_t i = 0; i < optAgent.size(); ++i) fields.optAgent[i] = optAgent[i].value;
  fields.txtUserAgentToUse = txtUserAgentToUse.text;
  fields.txtJobs = txtJobs.text;
  return fields;
}

Status MainFormModel::SaveProject(const std::string& path) {
  ReadControls();
  return WriteProjectFile(path, project);
}

Status MainFormModel::LoadProject(const std::string& path, bool showReadError) {
  // Read into a copy: a file that stops half way must not leave its first
  // records mixed into the open project, which a later save would write.
  ProjectState read = project;
  Status status = showReadError ? ReadProjectFile(path, read, dialogs, catalogue)
                                : LoadProjectFile(path, read, catalogue);
  if (!status) return status;
  project = std::move(read);
  WriteControls();
  return status;
}

void MainFormModel::SetupGrids() {
  ranking.SetupRankingGrid();
  topUrls.SetupTopUrlsGrid();
  lblNumTotal.caption = texts::kNoneCounted;
}

void MainFormModel::RedrawGrids() {
  ranking.DisplayRankingData(project, selected);
  topUrls.DisplayTopUrlsData(project, selected);
  // Showing a keyword's URLs starts the count again, as the grid's own does.
  if (selected) lblNumTotal.caption = topUrls.CountText();
}

}  // namespace kestrova
