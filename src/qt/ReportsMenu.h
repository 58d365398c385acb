// The View menu's reports: mnuViewLogReport, mnuViewMasterReport,
// mnuViewRankingReport and mnuViewTopUrlsReport, each writing its report as
// the program does and opening it with the desktop's handler.
#pragma once

#include <functional>

#include "ui/MainFormModel.h"

class QMenu;

namespace kestrova {

// Adds the four items to `view`; `showStatus` redraws the status bar after one.
void AddReportActions(QMenu& view, MainFormModel& form, std::function<void()> showStatus);

}  // namespace kestrova
