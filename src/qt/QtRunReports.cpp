#include "qt/QtRunReports.h"

namespace kestrova {

QtRunReports::QtRunReports(const ProjectState& project, const Clock& clock,
                           const ui::RankingGrid& grid, const ui::SelectedKeyword& selected)
    : project_(project), clock_(clock), grid_(grid), selected_(selected) {}

bool QtRunReports::OpenLogReportFile() {
  log_.emplace(kestrova::OpenLogReportFile(project_, Context()));
  return !log_->Failed();
}

bool QtRunReports::OpenMasterReportFile() {
  master_.emplace(kestrova::OpenMasterReportFile(Context()));
  return !master_->Failed();
}

bool QtRunReports::Close(std::optional<ReportFile>& report) {
  if (!report) return true;
  const ReportStatus status = CloseReportFile(*report, Context());
  report.reset();
  return status.ok;
}

bool QtRunReports::CloseLogReportFile() {
  return Close(log_);
}
bool QtRunReports::CloseMasterReportFile() {
  return Close(master_);
}

bool QtRunReports::GenerateRankingReport() {
  return kestrova::GenerateRankingReport(grid_, project_, selected_, clock_).ok;
}

void QtRunReports::KeywordLogOpening() {
  if (log_) WriteKeywordLogOpening(*log_);
}
void QtRunReports::KeywordLogKeyword() {
  if (log_) WriteKeywordLogKeyword(*log_);
}
void QtRunReports::KeywordLogAborted() {
  if (log_) WriteKeywordLogAborted(*log_, Context());
}
void QtRunReports::KeywordLogCheckEnd() {
  if (log_) WriteKeywordLogCheckEnd(*log_);
}
void QtRunReports::KeywordLogPage(const LoggedPage& page) {
  if (log_) {
    WriteKeywordLogLine(*log_, {page.color, page.status, page.savedPath, page.pageIndex,
                                page.keyword, page.engine});
  }
}

}  // namespace kestrova
