// The reports a run writes around its checks: the Log report (which receives the
// Keyword Log), the Master report, and the Ranking report at the end. The report
// writer lives above the run, so the run reaches it through this seam.
#pragma once

#include <string_view>

namespace kestrova {

// One fetched result page as the Keyword Log lists it.
struct LoggedPage {
  std::string_view color;      // "008000", "FF0000", "FF8000" or "F2F200"
  std::string_view status;     // "Success&nbsp;&nbsp;", "TimedOut", ...
  std::string_view savedPath;  // where the page was saved
  int pageIndex = 0;           // 0-based
  std::string_view keyword;
  std::string_view engine;
};

class RunReports {
 public:
  virtual ~RunReports() = default;

  // Open, close and generate return false when the file could not be written;
  // the run reports that and goes on. Keyword Log writes after a failed open
  // do nothing.
  virtual bool OpenLogReportFile() = 0;
  virtual bool OpenMasterReportFile() = 0;
  virtual bool CloseLogReportFile() = 0;
  virtual bool CloseMasterReportFile() = 0;
  virtual bool GenerateRankingReport() = 0;

  // The Keyword Log, in the open Log report: once per run, once per keyword,
  // before an engine's turn after Stop, once per page, once per check.
  virtual void KeywordLogOpening() = 0;
  virtual void KeywordLogKeyword() = 0;
  virtual void KeywordLogAborted() = 0;
  virtual void KeywordLogPage(const LoggedPage& page) = 0;
  virtual void KeywordLogCheckEnd() = 0;
};

}  // namespace kestrova
