// The pieces every report page shares: header, the line of links to the other
// reports, footer and closing tags.
#pragma once

#include "base/HtmlEscape.h"

#include <string>
#include <string_view>

#include "reports/ReportFile.h"

namespace kestrova {

class Clock;
struct ProjectState;

// Where reports go and how their dates read: the project's report directory
// and date preference, and the clock.
struct ReportContext {
  std::string reportDirectory;
  int datePreference = 0;
  const Clock& clock;
};
ReportContext MakeReportContext(const ProjectState& project, const Clock& clock);

// Starts the report `name` in the report directory (see ReportFile::Mode).
ReportFile CreateReport(const ReportContext& context, std::string_view name, ReportFile::Mode mode);

// A local file's path as a link target: bytes that a URL path cannot carry as
// they are (spaces, "#", "%", "?", quotes, markup, ":", control and non-ASCII
// bytes) are percent-encoded, so the value needs no further escaping and reads
// the same quoted or not; ordinary paths come out unchanged.
std::string PathHref(std::string_view path);

void WritePageHeader(ReportFile& report, const ReportContext& context, std::string_view title,
                     std::string_view heading);
// Links to Master, Log and Ranking, each only when its file exists now; the
// report being written always counts as existing. The title and heading of the
// header are HTML already (callers escape what they put in).
void WriteSelectionLine(ReportFile& report, const ReportContext& context);
void WritePageFooter(ReportFile& report, const ReportContext& context);
void WriteHTMLClose(ReportFile& report);
// Footer, closing tags, then the file is closed; the status tells whether
// every line reached the disk.
Status CloseReportFile(ReportFile& report, const ReportContext& context);

}  // namespace kestrova
