// The desktop main window: it owns the open project with its form model and
// grids, mirrors the form model's controls in Qt widgets and forwards the
// person's actions to the core (the Rank action, project files, the analysis).
#pragma once

#include <QMainWindow>
#include <array>
#include <string>

#include "history/ProjectHistory.h"
#include "net/HttpClient.h"
#include "ranking/HttpPageFetcher.h"
#include "ranking/RankAction.h"
#include "reports/RunReportFiles.h"
#include "ui/MainFormModel.h"
#include "ui/RankingGrid.h"
#include "ui/TopUrlsGrid.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;

namespace kestrova {

class GridTableModel;
class QtDialogs;
class SettingsStore;

class MainWindow final : public QMainWindow, public RankWindow, public RunObserver {
  Q_OBJECT

 public:
  // `store` may be null (nothing is saved at close); the rest is borrowed.
  MainWindow(QtDialogs& dialogs, const Clock& clock, ProgramSettings& settings,
             SettingsStore* store, const std::string& defaultReportDirectory);
  ~MainWindow() override;

  // File menu: New, Open (with a path: no dialog), Save, Save As.
  void NewProject();
  bool OpenProject(const std::string& path);
  bool SaveProject();
  bool SaveProjectAs();

  const MainFormModel& Form() const { return form_; }
  GridTableModel& RankingModel() { return *rankingModel_; }
  QPushButton& RankButton() { return *rankButton_; }

  // RankWindow: what the Rank action reads from and shows in the window.
  void ReadControls() override;
  std::string KeywordBoxText() const override;
  std::vector<std::string> FailedEngines() const override { return ranking_.FailedEngines(); }
  RunSettings RunSettingsNow() override;
  bool RankingGridVisible() const override;
  void ShowRankingGrid() override;
  void SetFocus(FocusTarget target) override;
  void SetRunningDisplay(bool running, const std::string& rankCaption) override;
  void SelectOrAddKeyword(const std::string& keyword) override;
  void ReselectKeyword(const std::string& keyword) override;

  // RunObserver: the status bar and the progress display.
  void StatusText(std::string_view text) override;
  void Progress(int percent, std::string_view caption) override;
  void ProgressVisible(bool visible) override;
  void WriteFailed(std::string_view what) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Building the window (MainWindowLayout.cpp).
  void BuildMenus();
  QWidget* BuildSidePane();
  QWidget* BuildGridPane();
  void BuildStatusBar();
  void ConnectEdits();

  // Mirroring (MainWindowSync.cpp): the form model into the widgets and back.
  void ShowForm();
  void TakeEdits();
  void Edited();
  void LoadKeywordCombos(const std::string& lastKeyword);
  void SelectKeyword(int index);
  void MoveEngines(int from, int to, bool all);
  void ShowCaption();

  // Actions (MainWindowRun.cpp).
  void RankClicked();
  void AnalyzeClicked();
  void ShowImprovementReport();
  void ShutdownTasks();
  void AttachHistory();  // the open file's history, for the runs and View > History

  QtDialogs& dialogs_;
  const Clock& clock_;
  ProgramSettings& settings_;
  SettingsStore* store_;
  std::string defaultReportDirectory_;
  std::string path_;  // the open project file; empty when there is none

  ProjectState project_;
  MainFormModel form_;
  ui::RankingGrid ranking_;
  ui::TopUrlsGrid topUrls_;
  ui::SelectedKeyword selected_;
  NetworkState net_;
  HttpClient client_;
  HttpPageFetcher fetcher_;
  RunReportFiles reports_;
  RunServices services_;
  std::unique_ptr<ProjectHistory> history_;  // null: runs are not kept
  RankController rank_;
  bool syncing_ = false;        // widgets are being filled: their signals are no edits
  bool closeAfterRun_ = false;  // closed during a run: close when it has stopped

  QLineEdit* txtDomain_ = nullptr;
  QPlainTextEdit* txtKeywords_ = nullptr;
  QComboBox* cmbKeyWords_ = nullptr;
  std::array<QListWidget*, 2> lstSites_{};
  QLineEdit *txtTimeOut_ = nullptr, *txtKeywordDepth_ = nullptr, *txtReportDirectory_ = nullptr;
  QPushButton* rankButton_ = nullptr;
  QTabWidget* grids_ = nullptr;
  QTableView *rankingView_ = nullptr, *topUrlsView_ = nullptr;
  GridTableModel *rankingModel_ = nullptr, *topUrlsModel_ = nullptr;
  std::array<QLabel*, 3> sbStatusBar_{};
  QProgressBar* progress_ = nullptr;
};

}  // namespace kestrova
