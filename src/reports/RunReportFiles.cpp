#include "reports/RunReportFiles.h"

namespace kestrova {

RunReportFiles::RunReportFiles(const ProjectState& project, const Clock& clock,
                               const ui::RankingGrid& grid, const ui::SelectedKeyword& selected)
    : project_(project), clock_(clock), grid_(grid), selected_(selected) {}

bool RunReportFiles::OpenLogReportFile() {
  log_.emplace(kestrova::OpenLogReportFile(project_, Context()));
  return !log_->Failed();
}

bool RunReportFiles::OpenMasterReportFile() {
  master_.emplace(kestrova::OpenMasterReportFile(Context()));
  return !master_->Failed();
}

bool RunReportFiles::Close(std::optional<ReportFile>& report) {
  if (!report) return true;
  const Status status = CloseReportFile(*report, Context());
  report.reset();
  return status.ok();
}

bool RunReportFiles::CloseLogReportFile() {
  return Close(log_);
}
bool RunReportFiles::CloseMasterReportFile() {
  return Close(master_);
}

bool RunReportFiles::GenerateRankingReport() {
  return kestrova::GenerateRankingReport(grid_, project_, selected_, clock_).ok();
}

void RunReportFiles::KeywordLogOpening() {
  if (log_) WriteKeywordLogOpening(*log_);
}
void RunReportFiles::KeywordLogKeyword() {
  if (log_) WriteKeywordLogKeyword(*log_);
}
void RunReportFiles::KeywordLogAborted() {
  if (log_) WriteKeywordLogAborted(*log_, Context());
}
void RunReportFiles::KeywordLogCheckEnd() {
  if (log_) WriteKeywordLogCheckEnd(*log_);
}
void RunReportFiles::KeywordLogPage(const LoggedPage& page) {
  if (log_) {
    WriteKeywordLogLine(*log_, {page.color, page.status, page.savedPath, page.pageIndex,
                                page.keyword, page.engine});
  }
}

}  // namespace kestrova
