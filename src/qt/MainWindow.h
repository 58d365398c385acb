// The desktop main window: it owns the application, mirrors the form model's
// controls in Qt widgets and forwards each of the person's actions to one call
// of the application or its form model.
#pragma once

#include <QMainWindow>
#include <array>
#include <string>
#include <vector>

#include "app/Application.h"

class QAction;
class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace kestrova {

class GridTableModel;
class RunProgressView;
class SettingsDialog;

class MainWindow final : public QMainWindow, public RunObserver {
  Q_OBJECT

 public:
  // Borrowed; set the application's store and association before StartUp.
  // `catalogue` holds the engines the lists and grids show (built-in and user).
  MainWindow(Dialogs& dialogs, const Clock& clock, const ProgramPaths& paths,
             const EngineCatalogue& catalogue = Catalogue());
  ~MainWindow() override;

  // Loads the settings and fills the window (the application's start-up),
  // opening a project named first among the arguments after the program's.
  void StartUp(const std::vector<std::string>& commandLine);

  Application& App() { return app_; }
  GridTableModel& RankingModel() { return *rankingModel_; }
  QPushButton& RankButton() { return *rankButton_; }

  // RunObserver: the status bar and the progress display.
  void StatusText(std::string_view text) override;
  void Progress(int percent, std::string_view caption) override;
  void ProgressVisible(bool visible) override;
  void LineStarted(int number, int count, std::string_view line) override;
  void WriteFailed(std::string_view what) override;

  // Tools, Settings...: opens the settings (one at a time), window-modal.
  SettingsDialog& OpenSettings();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  // The domain's key refusal while rankings exist.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the window (MainWindowLayout.cpp).
  void BuildMenus();
  void BuildKeywordsMenu();
  void BuildRankingMenu();
  void BuildHelpMenu();
  QWidget* BuildSidePane();
  QWidget* BuildGridPane();
  void BuildStatusBar();
  void ConnectEdits();

  // Mirroring (MainWindowSync.cpp): the form model into the widgets.
  void ShowForm();
  void ShowLists();
  void ShowStatusBar();
  void ShowRunState();
  void ApplyFocus();
  // Runs `action` on the form model or the application, then shows the result.
  template <class Action>
  void Do(Action action) {
    action();
    ShowForm();
  }

  // Actions (MainWindowRun.cpp).
  void RankClicked();
  void AnalyzeClicked();
  void ExitClicked();

  Application app_;
  MainFormModel& form_;
  bool syncing_ = false;        // widgets are being filled: their signals are no edits
  bool closeAfterRun_ = false;  // closed during a run: close when it has stopped

  QLineEdit* txtDomain_ = nullptr;
  QPlainTextEdit* txtKeywords_ = nullptr;
  QComboBox* cmbKeyWords_ = nullptr;
  std::array<QListWidget*, 2> lstSites_{};
  QPushButton* rankButton_ = nullptr;
  std::array<QPushButton*, 3> keywordButtons_{};  // Add, Delete, Clear All
  QLabel* lblLastRun_ = nullptr;
  RunProgressView* runProgress_ = nullptr;
  SettingsDialog* settings_ = nullptr;
  // Actions only an idle window takes; Stop only a running one.
  std::vector<QAction*> idleActions_;
  QAction* stopAction_ = nullptr;
  QTabWidget* grids_ = nullptr;
  QTableView *rankingView_ = nullptr, *topUrlsView_ = nullptr;
  GridTableModel *rankingModel_ = nullptr, *topUrlsModel_ = nullptr;
  std::array<QAction*, kRecentFileSlots> mnuFileName_{};
  QAction* mnuFileSeparator_ = nullptr;
  std::array<QLabel*, 3> sbStatusBar_{};
};

}  // namespace kestrova
