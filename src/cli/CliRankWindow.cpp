#include "cli/CliRankWindow.h"

namespace kestrova::cli {

RunSettings CliRankWindow::RunSettingsNow() {
  const MainFormModel& form = session_.form;
  RunSettings settings;
  settings.userAgent = userAgent ? *userAgent : form.txtUserAgentToUse.text;
  if (proxy) {
    settings.proxy = *proxy;
  } else {
    settings.proxy = {form.chkUseProxy.value == 1, form.txtHttpProxy.text, form.txtPortProxy.text};
  }
  settings.jobs = jobs;
  settings.markModified = [this] { session_.form.MarkModified(); };
  return settings;
}

void CliRankWindow::SelectOrAddKeyword(const std::string& keyword) {
  if (!session_.HasKeyword(keyword))
    session_.form.cmbKeyWords[kKeywordBox].items.push_back(keyword);
  session_.Select(keyword);
}

void CliRankWindow::ReselectKeyword(const std::string& keyword) {
  // The run has made records for every keyword line; they join the list as
  // keywords added while a project is open do.
  session_.RefreshKeywordList();
  session_.Select(std::nullopt);
  session_.Select(keyword);
}

}  // namespace kestrova::cli
