// The four reports as the program writes them: Log and Master around a run,
// Ranking and Top URLs from the grids, and the View menu's actions. Every
// writer reads the project and grids only and returns how the write went.
#pragma once

#include "reports/GridTable.h"
#include "reports/LogReport.h"
#include "reports/ReportFile.h"
#include "reports/ReportPage.h"
#include "ui/RankingGrid.h"
#include "ui/TopUrlsGrid.h"

namespace kestrova {

class Dialogs;

// Creates "Master.html" anew: header and three "<br>"; stays open for the run.
ReportFile OpenMasterReportFile(const ReportContext& context);
// "Ranking.html" and "TopUrls.html", each written whole when closed.
ReportFile OpenRankingReport(const ReportContext& context);
ReportFile OpenTopUrlsReport(const ReportContext& context, const ui::SelectedKeyword& keyword);

// Open, the grid's table, close: the grid exactly as it stands now.
Status GenerateRankingReport(const ui::RankingGrid& grid, const ProjectState& project,
                             const ui::SelectedKeyword& keyword, const Clock& clock);
Status GenerateTopUrlsReport(const ui::TopUrlsGrid& grid, const ProjectState& project,
                             const ui::SelectedKeyword& keyword, const Clock& clock);

// View menu. Each opens its file with the desktop's handler when it is there
// (a report that could not be written is not opened) and returns the status
// of the writing, if any.
void ViewLogReport(const ProjectState& project, Dialogs& dialogs);
Status ViewMasterReport(const ProjectState& project, const Clock& clock, Dialogs& dialogs);
Status ViewRankingReport(const ui::RankingGrid& grid, const ProjectState& project,
                         const ui::SelectedKeyword& keyword, const Clock& clock, Dialogs& dialogs);
// The grid menu's "Generate && View Report For Current Table": the old
// Ranking.html goes first.
Status GenerateAndViewCurrentTable(const ui::RankingGrid& grid, const ProjectState& project,
                                   const ui::SelectedKeyword& keyword, const Clock& clock,
                                   Dialogs& dialogs);
Status ViewTopUrlsReport(const ui::TopUrlsGrid& grid, const ProjectState& project,
                         const ui::SelectedKeyword& keyword, const Clock& clock, Dialogs& dialogs);

}  // namespace kestrova
