// The reports a person asks to see: the View menu's four and the ranking
// grid menu's "Generate && View Report For Current Table". Which file each
// is, how it is written and what is opened is decided here, so the window
// and `kestrova-cli report` write the same files the same way.
#pragma once

#include <string>

#include "base/Status.h"
#include "ui/MainFormModel.h"

namespace kestrova {

enum class ReportChoice { Log, Master, Ranking, TopUrls, CurrentTable };

// "Log.html", "Master.html", "Ranking.html" (also the current table's) or "TopUrls.html".
const char* ReportFileName(ReportChoice choice);
// The file's full path in the project's report directory.
std::string ReportFilePath(const ProjectState& project, ReportChoice choice);

struct ReportViewed {
  Status written;        // how the writing went (ok for the Log, which is never written here)
  bool missing = false;  // the Log report: no run has written it yet
  std::string path;
};

// Writes the chosen report from the grids as they are shown (the Log report
// only a run writes) and opens it with the desktop's handler when it is there.
ReportViewed ViewReport(MainFormModel& form, ReportChoice choice);

// The same from a menu: a report that could not be written is told in a
// message, a missing Log report in the status bar's third panel.
void ViewReportFromMenu(MainFormModel& form, ReportChoice choice);

}  // namespace kestrova
