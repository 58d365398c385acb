// The checks the Rank action makes before a run, each with its message.
#include "base/Files.h"
#include "ranking/RankAction.h"
#include "ranking/ResultFolders.h"
#include "ranking/RunTexts.h"

namespace kestrova {

bool RankController::CheckSettingsDirectories() {
  Messenger& messenger = services_.messenger;
  const std::string& folder = services_.project.ReportDirectory;
  if (folder.empty()) {
    messenger.ShowMessage(texts::kReportDirNotSet, texts::kTitleSetDirectory, MessageButtons::Ok,
                          MessageIcon::Exclamation);
    window_.OpenPanel(kSettingsAction);
    window_.SetFocus(FocusTarget::ReportDirectory);
    return false;
  }
  if (!DirExists(folder)) {
    const std::string question = std::string(texts::kDirDoesNotExist) + texts::kCrLf +
                                 texts::kCrLf + "Make '" + folder + "'";
    if (messenger.ShowMessage(question, texts::kTitleCreateDirectory, MessageButtons::YesNoCancel,
                              MessageIcon::Question) != MessageAnswer::Yes) {
      return false;
    }
    MakeDirectories(folder);
    if (!DirExists(folder)) {
      messenger.ShowMessage(texts::kCouldNotMakeDirectory + folder + "'",
                            texts::kTitleCreateDirectory, MessageButtons::Ok,
                            MessageIcon::Exclamation);
      window_.OpenPanel(kSettingsAction);
      window_.SetFocus(FocusTarget::ReportDirectory);
      return false;
    }
  }
  if (services_.project.SelectedEngines.empty()) {
    messenger.ShowMessage(texts::kSelectEngines, kMessageTitle, MessageButtons::Ok,
                          MessageIcon::Exclamation);
    window_.OpenPanel(kEnginesAction);
    return false;
  }
  return true;
}

bool RankController::CheckSettingsOther() {
  Messenger& messenger = services_.messenger;
  const std::string& domain = services_.project.Domain;
  if (domain.empty()) {
    messenger.ShowMessage(texts::kDomainEmpty, texts::kTitleWarning, MessageButtons::OkCancel,
                          MessageIcon::Exclamation);
    window_.SetFocus(FocusTarget::Domain);
    return false;
  }
  const char* refusal = nullptr;
  if (domain.find("http://") != std::string::npos) {
    refusal = texts::kDomainHasHttp;
  } else if (domain.front() < 'a' || domain.front() > 'z') {
    refusal = texts::kDomainNotAlpha;
  }
  if (refusal != nullptr) {
    messenger.ShowMessage(refusal, kMessageTitle, MessageButtons::Ok, MessageIcon::Exclamation);
    window_.SetFocus(FocusTarget::Domain);
    return false;
  }
  if (!services_.project.KeywordText.empty()) return true;
  if (messenger.ShowMessage(texts::kNoKeywords, texts::kTitleNoKeywords, MessageButtons::YesNo,
                            MessageIcon::Question) == MessageAnswer::Yes) {
    ToggleDisplay(true);
    window_.SetFocus(FocusTarget::AddKeyword);
  }
  return false;
}

}  // namespace kestrova
