#include "reports/LogReport.h"

#include "base/Date.h"
#include "base/HtmlEscape.h"
#include "base/Numbers.h"
#include "ranking/ProjectState.h"
#include "reports/ReportTexts.h"

namespace kestrova {

using namespace reports;

ReportFile OpenLogReportFile(const ProjectState& project, const ReportContext& context) {
  ReportFile log = CreateReport(context, kLogFile, ReportFile::Mode::Streamed);
  WritePageHeader(log, context, kLogTitle, kLogTitle);
  WriteProjectParameters(log, project);
  log.WriteLine("");
  return log;
}

void WriteProjectParameters(ReportFile& report, const ProjectState& project) {
  report.WriteLine("Jump to : ");
  report.WriteLine("[<a href=\"#Keyword_Log\"><b>Keyword Log</b></a>]");
  report.WriteLine("<br><br>");
  std::string file = IsNoProjectFile(project.ProjectFileName) ? std::string(kNoProjectFile)
                                                              : project.ProjectFileName;
  report.WriteLine("<b>File : </b>" + HtmlEscape(file) + "<br><br>");
  report.WriteLine("<b>Domain : </b>" + HtmlEscape(project.Domain) + "<br>");
  report.WriteLine("<br>");
  report.WriteLine("<b>Check Keywords : </b>");
  report.WriteLine(project.AllKeywords == 1 ? "Yes" : "No");
  report.WriteLine("<br>");
  report.WriteLine("<br>");

  report.WriteLine("<b>Engines : </b>");
  report.WriteLine("<UL>");
  for (const std::string& engine : project.SelectedEngines) {
    report.WriteLine("<LI>" + HtmlEscape(engine));
  }
  report.WriteLine("</UL><br>");
  report.WriteLine("<br>");

  report.WriteLine("<b>Keywords : </b>");
  report.WriteLine("<UL>");
  bool anyField = false;
  std::string_view text = project.KeywordText;
  for (size_t start = 0; start <= text.size();) {
    size_t blank = text.find(' ', start);
    if (blank == std::string_view::npos) blank = text.size();
    if (blank > start) {
      report.WriteLine("<LI>" + HtmlEscape(text.substr(start, blank - start)));
      anyField = true;
    }
    start = blank + 1;
  }
  if (!anyField) report.WriteLine(kNoKeywordFields);
  report.WriteLine("</UL><br>");
  report.WriteLine("<br>");
}

void WriteKeywordLogOpening(ReportFile& log) {
  log.WriteLine("<hr><br><br>");
  log.WriteLine("<a name=\"Keyword_Log\"><CENTER><H2>Keyword Log</H2></CENTER></a>");
}

void WriteKeywordLogKeyword(ReportFile& log) {
  log.WriteLine("<br><hr width=10%><br>");
}

void WriteKeywordLogAborted(ReportFile& log, const ReportContext& context) {
  log.WriteLine("<br>Aborted by user at " + FormatNow(context.clock, context.datePreference));
}

void WriteKeywordLogLine(ReportFile& log, const KeywordLogPage& page) {
  long long first = static_cast<long long>(page.pageIndex) * 10 + 1;
  long long last = (static_cast<long long>(page.pageIndex) + 1) * 10;
  // Colour and status are the check's own HTML; the rest is the project's text.
  log.WriteLine("<b><font color='" + std::string(page.colour) + "'>" + std::string(page.status) +
                "</font></b> : <a href=\"" + PathHref(page.filePath) + "\">Actual Results " +
                FormatDigits(first, 2) + " to " + FormatDigits(last, 2) +
                "</a> for keyword search of <b>'" + HtmlEscape(page.keyword) + "'</b> in <b>" +
                HtmlEscape(page.engine) + "</b><br>");
}

void WriteKeywordLogCheckEnd(ReportFile& log) {
  log.WriteLine("<br>");
}

}  // namespace kestrova
