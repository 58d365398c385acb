// The reports a run writes around its checks: the Log report (which receives the
// Keyword Log lines), the Master report, and the Ranking report at the end. The
// report writer lives above the run, so the run reaches it through this seam.
#pragma once

#include <string_view>

namespace kestrova {

class RunReports {
 public:
  virtual ~RunReports() = default;

  // Each returns false when the file could not be written; the run goes on.
  virtual bool OpenLogReportFile() = 0;
  virtual bool OpenMasterReportFile() = 0;
  // One line of the Keyword Log, into the open Log report.
  virtual bool WriteLogLine(std::string_view line) = 0;
  virtual bool CloseLogReportFile() = 0;
  virtual bool CloseMasterReportFile() = 0;
  virtual bool GenerateRankingReport() = 0;
};

}  // namespace kestrova
