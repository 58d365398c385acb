// The main window as data: every control the project and the settings are bound to,
// both grids with the keyword they show, and the operations that move values
// between those controls and the open project. The window's event handlers are
// methods of this model; the Qt window only draws its state and forwards events,
// and the command line drives the same methods without a screen.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "base/Date.h"
#include "base/ProductInfo.h"
#include "base/Status.h"
#include "ranking/ProjectState.h"
#include "store/Settings.h"
#include "ui/MainFormControls.h"
#include "ui/RankingGrid.h"
#include "ui/TopUrlsGrid.h"

namespace kestrova {

class Dialogs;
struct EngineCatalogue;

// Indices of the control arrays.
constexpr int kKeywordBox = 0;       // cmbKeyWords: the keyword box
constexpr int kThirdKeywordBox = 2;  // cmbKeyWords: disabled while AllKeywords is 1
constexpr int kAllSites = 0;         // lstSites: engines not selected
constexpr int kSelectedSites = 1;    // lstSites: engines to check
constexpr int kDateChoices = 0;      // cmbDatePreference: the present time in each format
constexpr int kDateFormats = 1;      // cmbDatePreference: the formats; index = preference
constexpr int kOwnAgent = 3;         // optAgent: the person's own user-agent text

// Where the keyboard focus is to go next; the window moves it and sets None.
// ReportDirectory and Engines also bring their settings or list into view.
enum class FormFocus {
  None,
  Domain,
  KeywordBox,
  KeywordLines,
  ReportDirectory,
  Engines,
  VisibleGrid
};

class MainFormModel {
 public:
  MainFormModel(ProjectState& project, Dialogs& dialogs, const EngineCatalogue& catalogue,
                const Clock& clock);

  // The open project, the seams and the catalogue the window works with.
  ProjectState& project;
  Dialogs& dialogs;
  const EngineCatalogue& catalogue;
  const Clock& clock;

  // The title in captions; the window's load appends " Pro".
  std::string productName{kProductName};
  std::string caption;  // the window caption

  // Project fields.
  TextBox txtDomain, txtEmail, txtKeywords, txtSearchURL, txtSubmitURL;
  std::array<ListBox, 2> lstSites;
  TextBox txtTimeOut, txtKeywordDepth, txtSearchDepth, txtReportDirectory;
  // Beside txtTimeOut: why the text typed there was replaced (empty: it was not).
  Label lblTimeOutNote;
  std::array<ComboBox, 2> cmbDatePreference;
  CheckBox chkHighlightKeywords;
  TextBox txtServer, txtUserName, txtPassword, txtWWWSubDir;
  CheckBox chkAllKeywords;
  TextBox txtPageGenOutputDirectory, txtPageGenOutputFilename;
  std::array<ComboBox, 3> cmbKeyWords;
  Label lblLastRun;
  Label lblNumTotal;

  // Network and display choices kept in the settings store.
  CheckBox chkUseProxy, chkUseDirect, chkBoldRankingGrid;
  TextBox txtHttpProxy, txtPortProxy, txtUserAgentToUse;
  std::array<OptionButton, 4> optAgent;
  TextBox txtJobs;  // how many engines a run checks at once

  // The "CustomAgent" setting as the person left it: the Own choice's text.
  std::string customAgent;

  // Status bar panels 1 to 3 (panel n is sbStatusBar[n - 1]).
  std::array<std::string, 3> sbStatusBar;

  // grdRanking and grdTopUrls, the keyword they show (cmbKeyWords' choice), and
  // which of the two is in view.
  ui::RankingGrid ranking;
  ui::TopUrlsGrid topUrls;
  ui::SelectedKeyword selected;
  bool rankingGridVisible = true;
  // Shared by both grids for the window's life: the header-click sorts, and
  // the cell found by the last press or pointer move (LastGridCell).
  ui::HeaderSortTable headerSorts;
  ui::GridCellRef lastGridCell;
  // True where a window shows the grids: their widths are then a person's,
  // taken into the project when it is saved. Without one (the command line)
  // the project keeps the widths its file had.
  bool gridWidthsShown = false;

  // The open project file's full path: "" before any file was opened, "(none)"
  // after New and Clear all rankings.
  std::string openPath;
  // File menu: the recent-file items 0 to 4 and the separator above them.
  std::array<MenuItem, kRecentFileSlots> mnuFileName;
  MenuItem mnuFileSeparator;

  // The Rank button (its caption reads "Stop" during a run) and the run state
  // the window shows: while running only that button takes input.
  std::string rankCaption = "Rank";
  bool running = false;
  FormFocus focus = FormFocus::None;

  // The screen that mirrors this model, told to draw it at once in the middle
  // of a long operation (a run, a file being read); none without a screen.
  std::function<void()> showNow;
  void ShowNow() const {
    if (showNow) showNow();
  }

  // Copies the controls into the project (before a save and at the start of a run):
  // texts trimmed, numbers by their leading numeric part, a time-out below 1 as 50.
  void ReadControls();
  // Copies the project into the controls (after a load), with Loading set: numbers
  // as "000", the date preference clamped to the list, the third keyword box enabled
  // unless AllKeywords is 1, and the last-run label when the project has been run.
  void WriteControls();

  // Caption rules of an edit and of a save.
  void MarkModified();
  void MarkSaved();

  // The network fields as the settings store takes them.
  NetworkControls NetworkFields() const;

  // Saves the controls' current values to `path` (ReadControls, then the file).
  Status SaveProject(const std::string& path);
  // Reads `path` into the project and, when it read completely, into the controls.
  // A damaged file shows the read error (unless `showReadError` is false: the
  // caller tells it) and changes neither project nor controls.
  Status LoadProject(const std::string& path, bool showReadError = true);

  // Both grids laid out afresh (SetupRankingGrid, SetupTopUrlsGrid) and the
  // total label back to "00".
  void SetupGrids();

  // Keyword box (MainFormKeywords.cpp). The box lists the keywords that have
  // records plus those added while the project is open. Add also makes the
  // keyword a line of the keyword text (the lines a run checks), Delete takes
  // its lines out again, so a deleted keyword does not come back with the next run.
  void cmdAddKeyword_Click();
  void cmdDelKeyword_Click();
  void cmdClearAllKeywords_Click();
  // Chooses entry `index` (-1 or out of range: nothing) and redraws both grids for it.
  void cmbKeyWords_Click(int index);
  // After a load: the box holds the records' keywords; the entry equal to
  // `lastRunKeyword` (else the first) is chosen, or "(none)" shows when empty.
  void LoadKeywordCombos(const std::string& lastRunKeyword);
  // Adds every keyword of the records that the box lacks, in record order.
  void AddRecordKeywords();
  // Chooses the entry equal to `keyword`, adding it when missing (run start); of
  // a text of several lines, its first line with text (none: nothing changes).
  void SelectOrAddKeyword(const std::string& keyword);
  // Adds the records' keywords, clears the choice, then chooses the entry equal
  // to `keyword` if there is one (run end).
  void ReselectKeyword(const std::string& keyword);
  bool HasKeyword(const std::string& keyword) const;
  // Rankings of the domain exist (free records too): it may not be changed, or
  // a second site's positions would be compared with the first's.
  bool DomainLocked() const { return !project.Rankings.empty(); }
  // A key typed into txtDomain: false (after the message) when it is refused,
  // which it is while the domain is locked, unless it is Ctrl+C.
  bool txtDomain_KeyPress(int key);

  // Engine lists (MainFormEngines.cpp): the chosen name, or all, across.
  void cmdSendOne_Click();
  void cmdSendAll_Click();
  void cmdBackOne_Click();
  void cmdBackAll_Click();
  void lstSites_DblClick(int index);

  // Fields (MainFormFields.cpp).
  void LoadDatePreference();
  void cmbDatePreference_Change(int index);
  // The "007" rule as the text is typed, with the note of lblTimeOutNote.
  void txtTimeOut_Change();
  void optAgent_Click(int index);
  void txtUserAgentToUse_Change();
  void chkBoldRankingGrid_Click();
  void cmdReportBrowse_Click();
  // Why the proxy fields would not be used by a run (empty: they would, or
  // the proxy is off).
  std::string ProxyProblem() const;
  // The network and display choices of the settings into their fields.
  void ShowStoredChoices(const ProgramSettings& settings);
  // The custom agent and the bold choice back into the settings; the network
  // fields follow with SaveSettings(store, settings, NetworkFields()).
  void TakeStoredChoices(ProgramSettings& settings) const;

  // Both grids drawn again for the chosen keyword (a run's records as they come).
  void RedrawGrids();

  // Grid buttons and events (MainFormGrids.cpp).
  // Column widths of whichever grid shows: the top-URLs grid when it shows
  // and the ranking grid does not, else the ranking grid; it gets the focus.
  void cmdCollapseTopUrls_Click();
  void cmdExpandTopUrls_Click();
  ui::Grid& VisibleGrid();
  // A click on the top-URLs grid's current cell: the highlight and its count.
  void grdTopUrls_Click();
};

}  // namespace kestrova
