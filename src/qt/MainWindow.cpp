#include "qt/MainWindow.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSplitter>

#include "qt/GridTableModel.h"

namespace kestrova {

MainWindow::MainWindow(Dialogs& dialogs, const Clock& clock, const ProgramPaths& paths,
                       const EngineCatalogue& catalogue)
    : app_(dialogs, clock, paths, *this, catalogue), form_(app_.form) {
  BuildMenus();
  auto* splitter = new QSplitter(this);
  splitter->addWidget(BuildSidePane());
  splitter->addWidget(BuildGridPane());
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({380, 800});  // the grids take the room the side pane does not need
  setCentralWidget(splitter);
  BuildStatusBar();
  ConnectEdits();
  form_.showNow = [this] { ShowForm(); };
  resize(1180, 680);
}

MainWindow::~MainWindow() {
  form_.showNow = nullptr;
  // Hidden while the application (a member) is still there: hiding asks the
  // grids for their cells once more.
  hide();
  // The widgets go after the application (a member): their last signals (a
  // window closed while shown, focus moving as widgets go) must not reach it.
  for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
  txtDomain_->removeEventFilter(this);
  txtKeywords_->removeEventFilter(this);
  // The grids go before the models (Qt children) do.
  rankingModel_->Detach();
  topUrlsModel_->Detach();
}

void MainWindow::StartUp(const std::vector<std::string>& commandLine) {
  Do([&] { app_.StartUp(commandLine); });
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) app_.Form_Activate();
  QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The run is on the call stack below this event: stop it and close once it
  // has returned, so nothing it still uses is torn down under it.
  if (app_.rank.Controller().State().RunInProgress) {
    closeAfterRun_ = true;
    app_.rank.Controller().Stop();
    event->ignore();
    return;
  }
  // A changed project that could only be kept by Save As, and was not, keeps
  // the window: closing must never lose a run's results.
  if (!app_.ShutdownTasks()) {
    event->ignore();
    ShowForm();
    return;
  }
  event->accept();
}

}  // namespace kestrova
