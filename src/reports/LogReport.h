// The Log report: the project's parameters, then the Keyword Log a run
// writes into it while it stays open, one line per fetched result page.
#pragma once

#include <string>
#include <string_view>

#include "reports/ReportFile.h"
#include "reports/ReportPage.h"

namespace kestrova {

struct ProjectState;

// Creates "Log.html" anew and writes its header, the parameter block and an
// empty line. The file stays open for the run; CloseReportFile ends it.
// A file that cannot be created gives a failed report whose writes do nothing.
ReportFile OpenLogReportFile(const ProjectState& project, const ReportContext& context);

// File name, domain, the check-keywords option, the selected engines and the
// keyword text split at blanks (empty fields are left out).
void WriteProjectParameters(ReportFile& report, const ProjectState& project);

// Once per run, ahead of the first keyword: the rule and the Keyword Log anchor.
void WriteKeywordLogOpening(ReportFile& log);
// Ahead of each non-empty keyword of the run.
void WriteKeywordLogKeyword(ReportFile& log);
// Ahead of an engine's turn when Stop has been requested.
void WriteKeywordLogAborted(ReportFile& log, const ReportContext& context);

// One fetched result page of an engine check.
struct KeywordLogPage {
  std::string_view colour;    // "008000", "FF0000", "FF8000" or "F2F200"
  std::string_view status;    // "Success&nbsp;&nbsp;", "TimedOut", ...
  std::string_view filePath;  // the saved page
  int pageIndex = 0;          // 0-based
  std::string_view keyword;
  std::string_view engine;
};
void WriteKeywordLogLine(ReportFile& log, const KeywordLogPage& page);
// After the last page of an engine check.
void WriteKeywordLogCheckEnd(ReportFile& log);

}  // namespace kestrova
