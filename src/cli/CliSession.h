// A project opened by a command: the form model over it, both grids as the
// window would show them, and the keyword chosen in the keyword box.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "base/Date.h"
#include "base/Status.h"
#include "ranking/ProjectState.h"
#include "ui/MainFormModel.h"
#include "ui/RankingGrid.h"
#include "ui/TopUrlsGrid.h"

namespace kestrova::cli {

class CliSession {
 public:
  CliSession(std::string path, Dialogs& dialogs, const Clock& clock);

  // Reads the project file into the form, lays out both grids and fills the
  // keyword box from the records. A file that does not read is explained on `err`.
  Status Open(std::ostream& err);
  // Saves the form's state to the project's file.
  Status Save();

  // Chooses `keyword` in the keyword box (nothing: no choice) and redraws both
  // grids as choosing it in the window does.
  void Select(const ui::SelectedKeyword& keyword);
  // Adds every keyword of the records that the keyword box lacks.
  void RefreshKeywordList();
  bool HasKeyword(const std::string& keyword) const;

  const std::string& Path() const { return path_; }
  ProjectState project;
  MainFormModel form;
  ui::RankingGrid ranking;
  ui::TopUrlsGrid topUrls;
  ui::SelectedKeyword selected;

 private:
  std::string path_;
};

// "YYYY-MM-DD HH:MM:SS" (the hidden --clock option that fixes the time of a run).
std::optional<Date> ParseClockOption(const std::string& text);

}  // namespace kestrova::cli
