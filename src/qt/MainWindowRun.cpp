// The window's side of the Rank action, the run's progress display, the
// front-page analysis and the shutdown tasks.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

#include "analyzer/AnalyzeFrontPage.h"
#include "analyzer/ImprovementReport.h"
#include "base/Text.h"
#include "qt/GridTableModel.h"
#include "qt/MainWindow.h"
#include "qt/QtDialogs.h"
#include "qt/QtText.h"

namespace kestrova {

void MainWindow::ReadControls() {
  TakeEdits();
  form_.ReadControls();
}

std::string MainWindow::KeywordBoxText() const {
  return ReplaceAll(FromQt(txtKeywords_->toPlainText()), "\n", "\r\n");
}

RunSettings MainWindow::RunSettingsNow() {
  RunSettings settings;
  settings.userAgent = form_.txtUserAgentToUse.text;
  settings.proxy = {form_.chkUseProxy.value == 1, form_.txtHttpProxy.text, form_.txtPortProxy.text};
  settings.jobs = JobsFromText(form_.txtJobs.text);
  settings.markModified = [this] {
    form_.MarkModified();
    ShowCaption();
  };
  return settings;
}

bool MainWindow::RankingGridVisible() const {
  return grids_->currentWidget() == rankingView_;
}

void MainWindow::ShowRankingGrid() {
  grids_->setCurrentWidget(rankingView_);
}

void MainWindow::SetFocus(FocusTarget target) {
  switch (target) {
    case FocusTarget::ReportDirectory:
      txtReportDirectory_->setFocus();
      break;
    case FocusTarget::Domain:
      txtDomain_->setFocus();
      break;
    case FocusTarget::AddKeyword:
      txtKeywords_->setFocus();
      break;
  }
}

void MainWindow::SetRunningDisplay(bool running, const std::string& rankCaption) {
  rankButton_->setText(ToQt(rankCaption));
  // During a run only the Rank button (now Stop) takes input.
  const std::initializer_list<QWidget*> inputs = {
      txtDomain_,          txtKeywords_, txtTimeOut_,  txtKeywordDepth_,
      txtReportDirectory_, lstSites_[0], lstSites_[1], menuBar()};
  for (QWidget* widget : inputs) {
    widget->setEnabled(!running);
  }
}

void MainWindow::SelectOrAddKeyword(const std::string& keyword) {
  ComboBox& box = form_.cmbKeyWords[kKeywordBox];
  if (std::find(box.items.begin(), box.items.end(), keyword) == box.items.end()) {
    box.items.push_back(keyword);
  }
  SelectKeyword(
      static_cast<int>(std::find(box.items.begin(), box.items.end(), keyword) - box.items.begin()));
  ShowForm();
}

void MainWindow::ReselectKeyword(const std::string& keyword) {
  // Keywords the run has made records for join the list.
  ComboBox& box = form_.cmbKeyWords[kKeywordBox];
  for (const std::string& name : RankingKeywords(project_)) {
    if (std::find(box.items.begin(), box.items.end(), name) == box.items.end()) {
      box.items.push_back(name);
    }
  }
  SelectKeyword(-1);
  const auto found = std::find(box.items.begin(), box.items.end(), keyword);
  if (found != box.items.end()) SelectKeyword(static_cast<int>(found - box.items.begin()));
  ShowForm();
}

void MainWindow::StatusText(std::string_view text) {
  form_.sbStatusBar[2] = std::string(text);
  sbStatusBar_[2]->setText(ToQt(text));
}

void MainWindow::Progress(int percent, std::string_view caption) {
  progress_->setValue(percent);
  progress_->setFormat(ToQt(caption));
}

void MainWindow::ProgressVisible(bool visible) {
  progress_->setVisible(visible);
}

void MainWindow::WriteFailed(std::string_view what) {
  form_.sbStatusBar[0] = "Could not write " + std::string(what);
  sbStatusBar_[0]->setText(ToQt(form_.sbStatusBar[0]));
}

void MainWindow::RecordWritten(const RankingRecord& record) {
  // The grid fills as the engines finish.
  if (!selected_ || *selected_ != record.Keyword) return;
  ranking_.DisplayRankingData(project_, selected_);
  topUrls_.DisplayTopUrlsData(project_, selected_);
  rankingModel_->Refresh();
  topUrlsModel_->Refresh();
}

void MainWindow::RankClicked() {
  rank_.RankAction();  // during a run this is the Stop half and returns at once
  if (rank_.State().RunInProgress) return;
  rankButton_->setText(ToQt(rank_.rankCaption));
  form_.WriteControls();  // the last-run label and anything the run changed
  ShowForm();
  if (closeAfterRun_) close();
}

void MainWindow::AnalyzeClicked() {
  if (rank_.State().RunInProgress) return;
  TakeEdits();
  const ComboBox& box = form_.cmbKeyWords[kKeywordBox];
  FrontPageRequest request;
  request.domain = TrimSpaces(form_.txtDomain.text);
  request.keywordEntries = static_cast<int>(box.items.size());
  request.keywordChosen = box.listIndex >= 0;
  request.keywordText = box.listIndex >= 0 ? box.text : std::string();
  form_.ReadControls();
  if (project_.TimeOutSecs > 0) client_.SetTimeout(TimeoutFromSeconds(project_.TimeOutSecs));
  FrontPageServices services{client_, dialogs_,
                             [this](const std::string& text) { StatusText(text); }};
  switch (AnalyzeFrontPage(request, project_, services).outcome) {
    case FrontPageOutcome::NoDomain:
    case FrontPageOutcome::DownloadFailed:
      txtDomain_->setFocus();
      break;
    case FrontPageOutcome::NoKeywords:
    case FrontPageOutcome::NoKeywordChosen:
      cmbKeyWords_->setFocus();
      break;
    case FrontPageOutcome::Analyzed:
      form_.MarkModified();
      ShowCaption();
      ShowImprovementReport();
      break;
  }
}

void MainWindow::ShowImprovementReport() {
  // One improvement window at a time: a new analysis replaces the old one.
  if (auto* old = findChild<QDialog*>("frmImprovement")) old->close();
  ImprovementReport report;
  report.Fill(project_.PageAnalyses.at(1));
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

void MainWindow::ShutdownTasks() {
  TakeEdits();
  if (store_ != nullptr) SaveSettings(*store_, settings_, form_.NetworkFields());
  dialogs_.Yield();
  if (project_.Modified) SaveProject();
}

}  // namespace kestrova
