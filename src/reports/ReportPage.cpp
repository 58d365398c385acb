#include "reports/ReportPage.h"

#include "base/Date.h"
#include "base/Files.h"
#include "ranking/ProjectState.h"
#include "reports/ReportTexts.h"

namespace kestrova {

using namespace reports;

ReportContext MakeReportContext(const ProjectState& project, const Clock& clock) {
  return ReportContext{project.ReportDirectory, project.DatePreference, clock};
}

ReportFile CreateReport(const ReportContext& context, std::string_view name,
                        ReportFile::Mode mode) {
  return ReportFile(context.reportDirectory, std::string(name), mode);
}

std::string PathHref(std::string_view path) {
  static const char* hex = "0123456789ABCDEF";
  std::string href;
  href.reserve(path.size());
  for (unsigned char c : path) {
    const bool plain =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
        std::string_view("-._~!$()*+,;@/").find(static_cast<char>(c)) != std::string_view::npos;
    if (plain) {
      href += static_cast<char>(c);
    } else {
      href += '%';
      href += hex[c >> 4];
      href += hex[c & 15];
    }
  }
  return href;
}

void WritePageHeader(ReportFile& report, const ReportContext& context, std::string_view title,
                     std::string_view heading) {
  report.WriteLine("<HTML>");
  report.WriteLine("<TITLE>" + std::string(title) + "</TITLE>");
  report.WriteLine("<BODY>");
  report.WriteLine(std::string("<H1><CENTER><font color=#") + kHeadingColor + ">" +
                   std::string(heading) + "</font></CENTER></H1>");
  report.WriteLine("<CENTER>Created on " + FormatNow(context.clock, context.datePreference) +
                   "</CENTER>");
  report.WriteLine("<BR>");
  WriteSelectionLine(report, context);
}

void WriteSelectionLine(ReportFile& report, const ReportContext& context) {
  report.WriteLine("<br><center>");
  struct Link {
    const char* file;
    const char* label;
  };
  for (Link link :
       {Link{kMasterFile, "Master"}, Link{kLogFile, "Log"}, Link{kRankingFile, "Ranking"}}) {
    std::string path = context.reportDirectory + "/" + link.file;
    if (report.Name() == link.file || FileExists(path))
      report.WriteLine("<a href=" + PathHref(path) + ">" + link.label + "</a>");
  }
  report.WriteLine("</center><br><br>");
}

void WritePageFooter(ReportFile& report, const ReportContext& context) {
  WriteSelectionLine(report, context);
  report.WriteLine("<hr width=\"50%\">");
  report.WriteLine("<br><center>");
  report.WriteLine(std::string("<a href=") + kProductWebPage +
                   "> <font face=\"Comic\" size=\"+1\" >" + kProductName + "</a></font><br>");
  report.WriteLine(kMakerWebAddress);
  report.WriteLine("</center><br>");
}

void WriteHTMLClose(ReportFile& report) {
  report.WriteLine("</BODY>");
  report.WriteLine("</HTML>");
}

Status CloseReportFile(ReportFile& report, const ReportContext& context) {
  if (report.IsOpen()) {
    WritePageFooter(report, context);
    WriteHTMLClose(report);
  }
  return report.Finish();
}

}  // namespace kestrova
