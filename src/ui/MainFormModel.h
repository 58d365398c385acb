// The main window as data: every control the project and the settings are bound to,
// and the operations that move values between those controls and the open project.
// The window's event handlers are methods of this model; the Qt window only draws
// its state and forwards events.
#pragma once

#include <array>
#include <string>

#include "base/Date.h"
#include "base/ProductInfo.h"
#include "base/Status.h"
#include "ranking/ProjectState.h"
#include "store/Settings.h"
#include "ui/MainFormControls.h"

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

  // Status bar panels 1 to 3 (panel n is sbStatusBar[n - 1]).
  std::array<std::string, 3> sbStatusBar;

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
  // A damaged file shows the read error and leaves the controls as they were.
  Status LoadProject(const std::string& path);
};

}  // namespace kestrova
