// The Rank button, the run's progress display and the front-page analysis
// with its improvement window.
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "analyzer/ImprovementReport.h"
#include "qt/MainWindow.h"
#include "qt/QtText.h"

namespace kestrova {

void MainWindow::StatusText(std::string_view) {
  ShowStatusBar();  // the application keeps the panels' texts
}

void MainWindow::Progress(int percent, std::string_view caption) {
  progress_->setValue(percent);
  progress_->setFormat(ToQt(caption));
}

void MainWindow::ProgressVisible(bool visible) {
  progress_->setVisible(visible);
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
  if (*outcome == FrontPageOutcome::Analyzed) ShowImprovementReport();
}

void MainWindow::ShowImprovementReport() {
  // One improvement window at a time: a new analysis replaces the old one.
  if (auto* old = findChild<QDialog*>("frmImprovement")) old->close();
  ImprovementReport report;
  report.Fill(app_.project.PageAnalyses.at(1));
  auto* dialog = new QDialog(this);
  dialog->setObjectName("frmImprovement");
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle("Improvement Report");
  auto* view = new QTextEdit(dialog);
  view->setReadOnly(true);
  view->setHtml(ToQt(report.Html()));
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(view);
  dialog->resize(720, 600);
  dialog->show();
}

}  // namespace kestrova
