// Start-up and shutdown, in their fixed order.
#include "app/AppTexts.h"
#include "app/Application.h"
#include "app/NewProject.h"
#include "base/Files.h"
#include "base/Text.h"
#include "net/BusyPointer.h"
#include "ranking/RunTexts.h"
#include "store/SettingsStore.h"

namespace kestrova {

void Application::StartUp(const std::vector<std::string>& commandLine) {
  if (store != nullptr) LoadSettings(*store, settings);  // a failure was shown; defaults stand

  // The main window's load.
  FixnDisplayMenuFiles();
  // The project before any is opened: the stored domain with the new-project
  // defaults, no file yet. The caption names it "(none)", as after New.
  StartProject(settings.Domain);
  form.openPath.clear();
  form.LoadDatePreference();
  form.ShowStoredChoices(settings);
  // A report folder that cannot be made stops nothing here; a run checks again.
  const std::string reports = DefaultReportDirectory();
  if (!DirExists(reports)) MakeDirectories(reports);
  CheckFileAssociation();

  // The shell has split the command line already, so a path with spaces
  // arrives as one argument.
  if (!commandLine.empty()) {
    const std::string& path = commandLine.front();
    if (FindNoCase(path, kProjectExtension) > 0 && FileExists(path)) OpenPath(path);
  }
  form.productName = std::string(kProductName) + texts::kProSuffix;
  form.MarkSaved();
  // The Clear All Keywords action of the start only puts the focus on the
  // grid: a question about throwing away the project just opened would surprise.
  form.focus = FormFocus::VisibleGrid;
}

void Application::CheckFileAssociation() {
  if (!settings.CheckAssociation || association == nullptr) return;
  // Asked once: the marker is saved before anything else can go wrong.
  settings.CheckAssociation = false;
  if (store != nullptr) SaveApplicationSettings(*store, settings);
  const std::string command = programPath + " %1";
  const std::string owner = association->GetFileTypeOwner(kProjectProgId, kProjectExtension);
  if (owner == kProjectProgId ||
      dialogs.ShowMessage(texts::kAssociateAsk, texts::kAssociateTitle, MessageButtons::YesNoCancel,
                          MessageIcon::Question) == MessageAnswer::Yes) {
    association->AssociateFileType(kProjectProgId, kProjectExtension, command);
  }
}

void Application::Form_Activate() {
  if (!settings.FirstTimeRun) return;
  settings.FirstTimeRun = false;
  if (store != nullptr) SaveApplicationSettings(*store, settings);
}

bool Application::mnuFileExit_Click() {
  ShowStatus(texts::kClosingDown);
  form.running = true;
  form.rankCaption = texts::kActionRank;
  form.ShowNow();
  NetworkState& net = rank.Network();
  SetBusyPointer(net, dialogs, true, true);
  rank.Client().CancelPendingOperation();
  SetBusyPointer(net, dialogs, false);
  if (ShutdownTasks()) return true;
  form.running = false;
  ShowStatus("");
  return false;
}

bool Application::ShutdownTasks() {
  if (shutDown_) return true;
  SaveChoices();
  dialogs.Yield();
  if (!KeepChangesOnClose()) return false;
  shutDown_ = true;
  return true;
}

void Application::SaveChoices() {
  if (store == nullptr) return;
  form.TakeStoredChoices(settings);
  SaveSettings(*store, settings, form.NetworkFields());
}

bool Application::KeepChangesOnClose() {
  if (!project.Modified) return true;
  const bool hasFile = !IsNoProjectFile(form.openPath) && !IsNoProjectFile(project.ProjectFileName);
  if (hasFile && mnuFileSave_Click()) return true;
  // Only Save As could keep it now: a run's results must not go without a word.
  switch (dialogs.ShowMessage(texts::kSaveBeforeClosingAsk, texts::kSaveBeforeClosingTitle,
                              MessageButtons::YesNoCancel, MessageIcon::Question)) {
    case MessageAnswer::Yes:
      return mnuFileSaveAs_Click();
    case MessageAnswer::No:
      return true;
    default:
      return false;
  }
}

}  // namespace kestrova
