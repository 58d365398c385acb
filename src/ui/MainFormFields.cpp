// The setting fields beside the grids: date format, time-out, user agent, bold
// grid, report directory, and the choices kept in the settings store.
#include <algorithm>

#include "base/Text.h"
#include "net/ProxyAddress.h"
#include "ui/Dialogs.h"
#include "ui/FormTexts.h"
#include "ui/MainFormModel.h"

namespace kestrova {

void MainFormModel::LoadDatePreference() {
  ComboBox& formats = cmbDatePreference[kDateFormats];
  ComboBox& choices = cmbDatePreference[kDateChoices];
  formats.items.Clear();
  choices.items.Clear();
  for (int index = 0; index <= kLastDateFormatIndex; ++index) {
    formats.items.Add(kDateFormatNames[index]);
    choices.items.Add(FormatNow(clock, index));
  }
  formats.listIndex = 0;
}

void MainFormModel::cmbDatePreference_Change(int index) {
  if (index == kDateChoices) {
    cmbDatePreference[kDateFormats].listIndex = cmbDatePreference[kDateChoices].listIndex;
    MarkModified();
  }
  if (project.LastRunDate == kNeverRun) return;
  lblLastRun.caption = FormatDate(project.LastRunDate, cmbDatePreference[kDateFormats].listIndex);
}

void MainFormModel::txtTimeOut_Change() {
  const bool refused = LeadingNumber(txtTimeOut.text) <= 0;
  if (refused) txtTimeOut.text = texts::kTimeOutWhenInvalid;
  lblTimeOutNote.caption = refused ? texts::kTimeOutRefused : "";
  MarkModified();
}

std::string MainFormModel::ProxyProblem() const {
  if (chkUseProxy.value != 1) return {};
  if (TrimSpaces(txtHttpProxy.text).empty()) return texts::kProxyHostMissing;
  if (!ParseProxyPort(TrimSpaces(txtPortProxy.text))) return texts::kProxyPortBad;
  return {};
}

void MainFormModel::optAgent_Click(int index) {
  if (index < 0 || index > kOwnAgent) return;
  for (int i = 0; i <= kOwnAgent; ++i) optAgent[static_cast<std::size_t>(i)].value = i == index;
  switch (index) {
    case 0:
      txtUserAgentToUse.text = texts::kAgentMicrosoft;
      break;
    case 1:
      txtUserAgentToUse.text = texts::kAgentNetscape;
      break;
    case 2:
      txtUserAgentToUse.text = OwnUserAgentText();
      break;
    default:
      txtUserAgentToUse.text = customAgent;
  }
  txtUserAgentToUse.locked = index != kOwnAgent;
}

void MainFormModel::txtUserAgentToUse_Change() {
  if (optAgent[kOwnAgent].value) customAgent = txtUserAgentToUse.text;
}

void MainFormModel::chkBoldRankingGrid_Click() {
  ranking.SetBoldOption(chkBoldRankingGrid.value != 0);
  ranking.SetupRankingGrid();
  ranking.DisplayRankingData(project, selected);
}

void MainFormModel::cmdReportBrowse_Click() {
  const auto folder =
      dialogs.ChooseDirectory(texts::kReportDirectoryTitle, txtReportDirectory.text);
  if (!folder || folder->empty()) return;
  txtReportDirectory.text = *folder;
  project.ReportDirectory = *folder;
  MarkModified();
}

void MainFormModel::ShowStoredChoices(const ProgramSettings& settings) {
  chkUseProxy.value = settings.UseProxy ? 1 : 0;
  txtHttpProxy.text = settings.HttpProxy;
  txtPortProxy.text = settings.PortProxy;
  chkUseDirect.value = settings.UseDirect ? 1 : 0;
  chkBoldRankingGrid.value = settings.BoldRankingGrid;
  ranking.SetBoldOption(settings.BoldRankingGrid != 0);
  customAgent = settings.CustomAgent;
  optAgent_Click(std::clamp(settings.AgentIndex, 0, kOwnAgent));
  txtJobs.text = std::to_string(settings.Jobs);
}

void MainFormModel::TakeStoredChoices(ProgramSettings& settings) const {
  // The network fields go in with SaveSettings (ReadNetworkControls), which
  // also takes the Own agent's text while that choice is selected.
  settings.CustomAgent = customAgent;
  settings.BoldRankingGrid = chkBoldRankingGrid.value;
}

}  // namespace kestrova
