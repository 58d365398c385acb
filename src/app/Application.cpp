#include "app/Application.h"

#include "engines/EngineCatalogue.h"
#include "net/UrlSplit.h"

namespace kestrova {

Application::Application(Dialogs& dialogs, const Clock& clock, ProgramPaths paths,
                         RunObserver& frontEnd, const EngineCatalogue& catalogue,
                         ConnectionFactory connections)
    : dialogs(dialogs),
      clock(clock),
      paths(std::move(paths)),
      form(project, dialogs, catalogue, clock),
      rank(form, dialogs, clock, frontEnd, std::move(connections)) {}

std::string Application::DefaultReportDirectory() const {
  return kestrova::DefaultReportDirectory(paths);
}

std::string Application::ProjectsDirectory() const {
  return kestrova::ProjectsDirectory(paths);
}

Status Application::OpenForCommand(const std::string& path) {
  if (Status read = form.LoadProject(path, false); !read) return read;
  form.openPath = path;
  std::string copy = path, name;
  SplitFileName(copy, name);
  project.ProjectFileName = name;
  form.SetupGrids();
  form.AddRecordKeywords();
  return Status::Ok();
}

bool Application::RankButton_Click() {
  RankController& controller = rank.Controller();
  if (controller.State().RunInProgress) {
    // Stop, even with the top-URLs grid in view (which a Rank would only switch back).
    controller.Stop();
    return false;
  }
  // The window's tabs switch the grids; its Rank button always ranks, in view
  // of the ranking grid.
  form.rankingGridVisible = true;
  ReadNetworkControls(form.NetworkFields(), settings);
  controller.RankAction();
  form.WriteControls();
  return true;
}

void Application::ShowStatus(const char* text) {
  form.sbStatusBar[2] = text;
  form.ShowNow();
}

}  // namespace kestrova
