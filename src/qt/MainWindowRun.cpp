// The Rank button, the run's progress display, the settings, the front-page
// analysis with its improvement window, and Exit.
#include <QPushButton>

#include "qt/ImprovementWindow.h"
#include "qt/MainWindow.h"
#include "qt/QtText.h"
#include "qt/RunProgressView.h"
#include "qt/SettingsDialog.h"

namespace kestrova {

void MainWindow::StatusText(std::string_view) {
  ShowStatusBar();  // the application keeps the panels' texts
}

void MainWindow::Progress(int percent, std::string_view caption) {
  runProgress_->EnginesDone(percent, caption);
}

void MainWindow::ProgressVisible(bool visible) {
  if (!visible) runProgress_->EnginesDone(0, {});
  runProgress_->setVisible(visible);
}

void MainWindow::LineStarted(int number, int count, std::string_view line) {
  runProgress_->LineStarted(number, count, line);
}

void MainWindow::WriteFailed(std::string_view) {
  ShowStatusBar();
}

void MainWindow::RankClicked() {
  // During a run this is the Stop half and returns at once.
  if (!app_.RankButton_Click()) return;
  ShowForm();
  if (closeAfterRun_) close();
}

void MainWindow::AnalyzeClicked() {
  const auto outcome = app_.AnalyzeFrontPage();
  if (!outcome) return;
  ShowForm();
  if (*outcome == FrontPageOutcome::Analyzed) {
    ShowImprovementWindow(app_.project.PageAnalyses.at(1), this);
  }
}

void MainWindow::ExitClicked() {
  // Exit stops when the person chose to keep the window (a Save As cancelled).
  bool leave = false;
  Do([&] { leave = app_.mnuFileExit_Click(); });
  if (leave) close();
}

SettingsDialog& MainWindow::OpenSettings() {
  if (settings_ == nullptr) {
    settings_ = new SettingsDialog(
        form_, [this] { ShowForm(); }, this);
    settings_->setWindowModality(Qt::WindowModal);
    // The choices kept for every project are stored as the dialog closes.
    connect(settings_, &QDialog::finished, this, [this] { Do([this] { app_.SaveChoices(); }); });
  }
  settings_->ShowFields();
  settings_->show();
  settings_->raise();
  return *settings_;
}

}  // namespace kestrova
