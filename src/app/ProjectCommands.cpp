// The File menu: New, Open, Save, Save As, the recent files, and the question
// asked before changes would be thrown away.
#include "app/AppTexts.h"
#include "app/Application.h"

#include "app/NewProject.h"
#include "app/RecentFiles.h"
#include "base/Files.h"
#include "base/Text.h"
#include "engines/EngineCatalogue.h"
#include "history/ProjectHistory.h"
#include "net/BusyPointer.h"
#include "net/UrlSplit.h"
#include "store/ProjectFile.h"
#include "ui/GridWidths.h"

namespace kestrova {
namespace {

bool HasProjectExtension(const std::string& path) {
  return LowerCase(Right(path, 4)) == texts::kDotProjectExtension;
}

void Warn(Dialogs& dialogs, const char* text) {
  dialogs.ShowMessage(text, texts::kWarningTitle, MessageButtons::Ok, MessageIcon::Stop);
}

std::string NamePart(const std::string& path) {
  std::string copy = path, name;
  SplitFileName(copy, name);
  return name;
}

}  // namespace

void Application::StartProject(const std::string& domain) {
  project = NewProjectState(domain, DefaultReportDirectory());
  SyncEngineLists(project, form.catalogue);
  form.openPath = std::string(kNoProjectFile);
  AttachHistory();
  form.WriteControls();
  form.SetupGrids();
  form.LoadKeywordCombos({});
}

void Application::mnuFileNew_Click() {
  // A save that was wanted but did not happen (cancelled, failed) keeps the project.
  if (!CheckForFileSave()) return;
  // A fresh project: nothing of the old one's settings, passwords or records
  // is carried into it, and there is nothing of it yet to save.
  StartProject(std::string());
  form.MarkSaved();
  settings.FirstTimeRun = true;
  Form_Activate();
}

void Application::mnuFileOpen_Click() {
  const std::string projects = ProjectsDirectory();
  if (!DirExists(projects)) MakeDirectories(projects);  // the dialog then opens elsewhere
  // Asked whether or not the changed project has a file yet.
  if (project.Modified &&
      dialogs.ShowMessage(texts::kLoseChangesAsk, texts::kAppTitle, MessageButtons::YesNoCancel,
                          MessageIcon::Question) != MessageAnswer::Yes) {
    return;
  }
  FileDialogSetup setup{texts::kOpenProjectTitle, texts::kProjectFilter, projects, "",
                        std::string(kProjectExtension)};
  if (!IsNoProjectFile(form.openPath)) {
    std::string path = form.openPath, name;
    const std::string folder = SplitFileName(path, name);
    if (!folder.empty() && DirExists(folder)) setup.directory = folder;
    setup.fileName = name;
  }
  const FileDialogAnswer answer = dialogs.ChooseOpenFile(setup);
  if (!answer.path) {
    if (answer.error != 0) {
      dialogs.ShowMessage(texts::kDialogError + std::to_string(answer.error), texts::kAppTitle,
                          MessageButtons::Ok, MessageIcon::None);
    }
    return;
  }
  const std::string path = TrimSpaces(*answer.path);
  if (path.empty()) return;
  if (!HasProjectExtension(path)) {
    Warn(dialogs, texts::kNotReadWrongExtension);
    return;
  }
  if (!FileExists(path)) {
    Warn(dialogs, texts::kMustExist);
    return;
  }
  OpenPath(path);
}

void Application::mnuFileName_Click(int index) {
  if (index < 0 || index >= kRecentFileSlots) return;
  const std::string path = settings.RecentFiles[static_cast<std::size_t>(index)];
  if (path == form.openPath) {
    MakeMostRecent(path);
    return;
  }
  if (!CheckForFileSave()) return;
  if (!FileExists(path)) {
    // The slot stays: the file may come back (a drive not mounted yet).
    Warn(dialogs, texts::kMustExist);
    return;
  }
  OpenPath(path);
}

bool Application::OpenPath(const std::string& path) {
  MakeMostRecent(path);
  const std::string previous = form.openPath;
  form.openPath = path;
  if (HandleFileOpen()) return true;
  form.openPath = previous;
  return false;
}

bool Application::HandleFileOpen() {
  ShowStatus(texts::kLoadingFile);
  NetworkState& net = rank.Network();
  SetBusyPointer(net, dialogs, true, true);
  const bool read = form.LoadProject(form.openPath).ok();
  if (read) {
    project.ProjectFileName = NamePart(form.openPath);
    form.SetupGrids();
    ui::SetColWidths(project.ColumnWidthTable, form.ranking.View(), form.topUrls.View());
    form.LoadKeywordCombos(rank.Controller().State().LastRunKeyword);
    form.MarkSaved();  // the caption names the file just read
    AttachHistory();
  }
  SetBusyPointer(net, dialogs, false);
  if (read) WarnOfDroppedEngines();
  ShowStatus("");
  return read;
}

void Application::WarnOfDroppedEngines() {
  if (!enginesFileIncomplete || project.DroppedEngines.empty()) return;
  dialogs.ShowMessage(texts::kDroppedEnginesLead + JoinedWithCommas(project.DroppedEngines) +
                          texts::kDroppedEnginesTail,
                      texts::kAppTitle, MessageButtons::Ok, MessageIcon::Exclamation);
}

bool Application::WriteOpenProject() {
  ShowStatus(texts::kSavingFile);
  if (form.gridWidthsShown) {
    ui::GetColWidths(form.ranking.View(), form.topUrls.View(), project.ColumnWidthTable);
  }
  const Status written = form.SaveProject(form.openPath);
  if (written) {
    form.MarkSaved();
  } else {
    dialogs.ShowMessage(written.message(), texts::kAppTitle, MessageButtons::Ok, MessageIcon::Stop);
  }
  ShowStatus("");
  return written.ok();
}

bool Application::mnuFileSave_Click() {
  if (IsNoProjectFile(form.openPath) || IsNoProjectFile(project.ProjectFileName)) {
    return mnuFileSaveAs_Click();
  }
  return WriteOpenProject();
}

bool Application::mnuFileSaveAs_Click() {
  const std::string projects = ProjectsDirectory();
  if (!DirExists(projects)) MakeDirectories(projects);
  const std::string proposed =
      IsNoProjectFile(project.ProjectFileName) ? texts::kFirstProjectName : project.ProjectFileName;
  const FileDialogAnswer answer =
      dialogs.ChooseSaveFile({texts::kSaveProjectTitle, texts::kProjectFilter, projects, proposed,
                              std::string(kProjectExtension)});
  if (!answer.path) return false;
  const std::string path = TrimSpaces(*answer.path);
  if (path.empty()) return false;
  if (!HasProjectExtension(path)) {
    Warn(dialogs, texts::kNotSavedWrongExtension);
    return false;
  }
  const std::string previousPath = form.openPath, previousName = project.ProjectFileName;
  form.openPath = path;
  project.ProjectFileName = NamePart(path);
  if (!WriteOpenProject()) {
    // Nothing was written there: the project keeps the file it had.
    form.openPath = previousPath;
    project.ProjectFileName = previousName;
    return false;
  }
  MakeMostRecent(path);
  // The history follows the project to its new file, started from its records.
  AttachHistory();
  return true;
}

bool Application::CheckForFileSave() {
  if (!project.Modified) return true;
  if (dialogs.ShowMessage(texts::kSaveBeforeClosingAsk, texts::kSaveBeforeClosingTitle,
                          MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes) {
    return true;
  }
  return IsNoProjectFile(project.ProjectFileName) ? mnuFileSaveAs_Click() : mnuFileSave_Click();
}

void Application::NewMenuFilenameToAdd(const std::string& path) {
  kestrova::NewMenuFilenameToAdd(settings.RecentFiles, path);
}

void Application::FixnDisplayMenuFiles() {
  kestrova::FixnDisplayMenuFiles(settings.RecentFiles, form.mnuFileName, form.mnuFileSeparator);
}

void Application::MakeMostRecent(const std::string& path) {
  NewMenuFilenameToAdd(path);
  FixnDisplayMenuFiles();
}

void Application::AttachHistory() {
  rank.SetHistory(nullptr);
  history.reset();
  if (keepHistory && !IsNoProjectFile(form.openPath)) {
    history = OpenProjectHistory(form.openPath, project, dialogs);
  }
  rank.SetHistory(history.get());
}

}  // namespace kestrova
