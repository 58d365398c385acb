#include "reports/Reports.h"

#include <cstdio>

#include "base/Files.h"
#include "base/HtmlEscape.h"
#include "ranking/ProjectState.h"
#include "reports/ReportTexts.h"
#include "ui/Dialogs.h"

namespace kestrova {

using namespace reports;

namespace {

std::string ReportPath(const ProjectState& project, const char* name) {
  return project.ReportDirectory + "/" + name;
}

Status OpenWhenWritten(Status status, const std::string& path, Dialogs& dialogs) {
  if (status && FileExists(path)) dialogs.OpenFile(path);
  return status;
}

}  // namespace

ReportFile OpenMasterReportFile(const ReportContext& context) {
  ReportFile master = CreateReport(context, kMasterFile, ReportFile::Mode::Streamed);
  WritePageHeader(master, context, kMasterTitle, kMasterTitle);
  for (int i = 0; i < 3; ++i) master.WriteLine("<br>");
  return master;
}

ReportFile OpenRankingReport(const ReportContext& context) {
  ReportFile ranking = CreateReport(context, kRankingFile, ReportFile::Mode::Whole);
  WritePageHeader(ranking, context, kRankingTitle, kRankingTitle);
  ranking.WriteLine("<br>");
  ranking.WriteLine("<br>");
  return ranking;
}

ReportFile OpenTopUrlsReport(const ReportContext& context, const ui::SelectedKeyword& keyword) {
  std::string title = kTopUrlsTitlePrefix + HtmlEscape(keyword.value_or("")) + "'";
  ReportFile topUrls = CreateReport(context, kTopUrlsFile, ReportFile::Mode::Whole);
  WritePageHeader(topUrls, context, title, title);
  topUrls.WriteLine("<br>");
  topUrls.WriteLine("<br>");
  return topUrls;
}

Status GenerateRankingReport(const ui::RankingGrid& grid, const ProjectState& project,
                             const ui::SelectedKeyword& keyword, const Clock& clock) {
  ReportContext context = MakeReportContext(project, clock);
  ReportFile report = OpenRankingReport(context);
  GridTableLinks links{grid.Catalogue(), project.ReportDirectory, project.Domain,
                       keyword.value_or("")};
  WriteGridTable(grid.View(), GridTableKind::Ranking, links, report);
  return CloseReportFile(report, context);
}

Status GenerateTopUrlsReport(const ui::TopUrlsGrid& grid, const ProjectState& project,
                             const ui::SelectedKeyword& keyword, const Clock& clock) {
  ReportContext context = MakeReportContext(project, clock);
  ReportFile report = OpenTopUrlsReport(context, keyword);
  GridTableLinks links{grid.Catalogue(), project.ReportDirectory, project.Domain,
                       keyword.value_or("")};
  WriteGridTable(grid.View(), GridTableKind::TopUrls, links, report);
  return CloseReportFile(report, context);
}

void ViewLogReport(const ProjectState& project, Dialogs& dialogs) {
  std::string path = ReportPath(project, kLogFile);
  if (FileExists(path)) dialogs.OpenFile(path);
}

Status ViewMasterReport(const ProjectState& project, const Clock& clock, Dialogs& dialogs) {
  ReportContext context = MakeReportContext(project, clock);
  ReportFile master = OpenMasterReportFile(context);
  return OpenWhenWritten(CloseReportFile(master, context), ReportPath(project, kMasterFile),
                         dialogs);
}

Status ViewRankingReport(const ui::RankingGrid& grid, const ProjectState& project,
                         const ui::SelectedKeyword& keyword, const Clock& clock, Dialogs& dialogs) {
  return OpenWhenWritten(GenerateRankingReport(grid, project, keyword, clock),
                         ReportPath(project, kRankingFile), dialogs);
}

Status GenerateAndViewCurrentTable(const ui::RankingGrid& grid, const ProjectState& project,
                                   const ui::SelectedKeyword& keyword, const Clock& clock,
                                   Dialogs& dialogs) {
  std::string path = ReportPath(project, kRankingFile);
  if (FileExists(path)) std::remove(path.c_str());
  return ViewRankingReport(grid, project, keyword, clock, dialogs);
}

Status ViewTopUrlsReport(const ui::TopUrlsGrid& grid, const ProjectState& project,
                         const ui::SelectedKeyword& keyword, const Clock& clock, Dialogs& dialogs) {
  return OpenWhenWritten(GenerateTopUrlsReport(grid, project, keyword, clock),
                         ReportPath(project, kTopUrlsFile), dialogs);
}

}  // namespace kestrova
