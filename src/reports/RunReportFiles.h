// The run's reports written to disk: the Log and Master reports held open for
// the run, the Keyword Log lines into the Log, and the Ranking report from the
// ranking grid as it stands when the run ends.
#pragma once

#include <functional>
#include <optional>

#include "base/Date.h"
#include "ranking/RunReports.h"
#include "reports/Reports.h"

namespace kestrova {

class RunReportFiles final : public RunReports {
 public:
  RunReportFiles(const ProjectState& project, const Clock& clock, const ui::RankingGrid& grid,
                 const ui::SelectedKeyword& selected);

  bool OpenLogReportFile() override;
  bool OpenMasterReportFile() override;
  bool CloseLogReportFile() override;
  bool CloseMasterReportFile() override;
  bool GenerateRankingReport() override;
  void KeywordLogOpening() override;
  void KeywordLogKeyword() override;
  void KeywordLogAborted() override;
  void KeywordLogPage(const LoggedPage& page) override;
  void KeywordLogCheckEnd() override;

 private:
  ReportContext Context() const { return MakeReportContext(project_, clock_); }
  bool Close(std::optional<ReportFile>& report);

  const ProjectState& project_;
  const Clock& clock_;
  const ui::RankingGrid& grid_;
  const ui::SelectedKeyword& selected_;
  std::optional<ReportFile> log_, master_;
};

}  // namespace kestrova
