#include "qt/MainWindow.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QSplitter>
#include <algorithm>

#include "engines/EngineCatalogue.h"
#include "net/PosixConnection.h"
#include "net/UrlSplit.h"
#include "qt/GridTableModel.h"
#include "qt/QtDialogs.h"
#include "qt/QtText.h"

namespace kestrova {
namespace {

constexpr Integer kNewTimeOutSecs = 50;
constexpr Integer kNewKeywordDepth = 30;
constexpr const char* kProjectFilter = "Kestrova projects (*.rnk)";

// The opened file becomes the most recent of the recent files, listed once.
void AddRecentFile(ProgramSettings& settings, const std::string& path) {
  auto& files = settings.RecentFiles;
  auto end = std::remove(files.begin(), files.end(), path);
  std::fill(end, files.end(), std::string());
  std::rotate(files.begin(), files.end() - 1, files.end());
  files[0] = path;
}

// The stored network choices go into their fields at start, so that closing,
// which takes the fields back into the store, keeps them.
void ShowStoredNetworkChoices(const ProgramSettings& settings, MainFormModel& form) {
  form.chkUseProxy.value = settings.UseProxy ? 1 : 0;
  form.txtHttpProxy.text = settings.HttpProxy;
  form.txtPortProxy.text = settings.PortProxy;
  form.chkUseDirect.value = settings.UseDirect ? 1 : 0;
  const int agent = settings.AgentIndex >= 0 && settings.AgentIndex <= 3 ? settings.AgentIndex : 0;
  form.optAgent[agent].value = true;
  if (agent == 3) form.txtUserAgentToUse.text = settings.CustomAgent;
}

}  // namespace

MainWindow::MainWindow(QtDialogs& dialogs, const Clock& clock, ProgramSettings& settings,
                       SettingsStore* store, const std::string& defaultReportDirectory)
    : dialogs_(dialogs),
      clock_(clock),
      settings_(settings),
      store_(store),
      defaultReportDirectory_(defaultReportDirectory),
      form_(project_, dialogs, Catalogue(), clock),
      ranking_(Catalogue()),
      topUrls_(Catalogue()),
      client_(net_, dialogs, [] { return std::make_unique<PosixConnection>(); }),
      fetcher_(client_),
      reports_(project_, clock, ranking_, selected_),
      services_{project_, Catalogue(), net_, fetcher_, dialogs, clock, *this, reports_},
      rank_(services_, *this) {
  dialogs_.SetParent(this);
  form_.productName += " Pro";
  ranking_.SetBoldOption(settings_.BoldRankingGrid != 0);
  ShowStoredNetworkChoices(settings_, form_);
  BuildMenus();
  auto* splitter = new QSplitter(this);
  splitter->addWidget(BuildSidePane());
  splitter->addWidget(BuildGridPane());
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({380, 800});  // the grids take the room the side pane does not need
  setCentralWidget(splitter);
  BuildStatusBar();
  ConnectEdits();
  rankButton_->setText(ToQt(rank_.rankCaption));
  NewProject();
  resize(1180, 680);
}

MainWindow::~MainWindow() {
  // The grids go before the models (Qt children) do.
  rankingModel_->Detach();
  topUrlsModel_->Detach();
  dialogs_.SetParent(nullptr);
}

void MainWindow::NewProject() {
  project_ = ProjectState{};
  project_.Domain = settings_.Domain;
  project_.TimeOutSecs = kNewTimeOutSecs;
  project_.KeywordDepth = kNewKeywordDepth;
  project_.ReportDirectory = defaultReportDirectory_;
  project_.ProjectFileName = std::string(kNoProjectFile);
  SyncEngineLists(project_, Catalogue());
  path_.clear();
  AttachHistory();
  form_.WriteControls();
  ranking_.SetupRankingGrid();
  topUrls_.SetupTopUrlsGrid();
  LoadKeywordCombos({});
  form_.MarkSaved();
  ShowForm();
}

bool MainWindow::OpenProject(const std::string& path) {
  if (!form_.LoadProject(path)) return false;
  path_ = path;
  AttachHistory();
  std::string copy = path, name;
  SplitFileName(copy, name);
  project_.ProjectFileName = name;
  AddRecentFile(settings_, path);
  ranking_.SetupRankingGrid();
  topUrls_.SetupTopUrlsGrid();
  LoadKeywordCombos(rank_.State().LastRunKeyword);
  form_.MarkSaved();
  ShowForm();
  return true;
}

bool MainWindow::SaveProject() {
  if (path_.empty()) return SaveProjectAs();
  TakeEdits();
  std::string error;
  if (!form_.SaveProject(path_, &error)) {
    dialogs_.ShowMessage(error, form_.productName, MessageButtons::Ok, MessageIcon::Stop);
    return false;
  }
  form_.MarkSaved();
  ShowCaption();
  return true;
}

bool MainWindow::SaveProjectAs() {
  const std::string suggested =
      IsNoProjectFile(project_.ProjectFileName) ? "project.rnk" : project_.ProjectFileName;
  const auto path = dialogs_.ChooseSaveFile("Save Project As", kProjectFilter, suggested);
  if (!path) return false;
  path_ = *path;
  std::string copy = path_, name;
  SplitFileName(copy, name);
  project_.ProjectFileName = name;
  if (!SaveProject()) return false;
  AttachHistory();
  return true;
}

void MainWindow::AttachHistory() {
  history_.reset();
  if (!path_.empty()) history_ = OpenProjectHistory(path_, project_, dialogs_);
  services_.history = history_.get();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The run is on the call stack below this event: stop it and close once it
  // has returned, so nothing it still uses is torn down under it.
  if (rank_.State().RunInProgress) {
    closeAfterRun_ = true;
    rank_.Stop();
    event->ignore();
    return;
  }
  ShutdownTasks();
  event->accept();
}

}  // namespace kestrova
