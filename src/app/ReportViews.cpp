#include "app/ReportViews.h"

#include "app/AppTexts.h"
#include "base/Files.h"
#include "reports/ReportTexts.h"
#include "reports/Reports.h"
#include "ui/Dialogs.h"

namespace kestrova {

const char* ReportFileName(ReportChoice choice) {
  switch (choice) {
    case ReportChoice::Log:
      return reports::kLogFile;
    case ReportChoice::Master:
      return reports::kMasterFile;
    case ReportChoice::TopUrls:
      return reports::kTopUrlsFile;
    case ReportChoice::Ranking:
    case ReportChoice::CurrentTable:
      break;
  }
  return reports::kRankingFile;
}

std::string ReportFilePath(const ProjectState& project, ReportChoice choice) {
  return project.ReportDirectory + "/" + ReportFileName(choice);
}

ReportViewed ViewReport(MainFormModel& form, ReportChoice choice) {
  const ProjectState& project = form.project;
  ReportViewed viewed{Status::Ok(), false, ReportFilePath(project, choice)};
  switch (choice) {
    case ReportChoice::Log:
      viewed.missing = !FileExists(viewed.path);
      ViewLogReport(project, form.dialogs);
      break;
    case ReportChoice::Master:
      viewed.written = ViewMasterReport(project, form.clock, form.dialogs);
      break;
    case ReportChoice::Ranking:
      viewed.written =
          ViewRankingReport(form.ranking, project, form.selected, form.clock, form.dialogs);
      break;
    case ReportChoice::CurrentTable:
      viewed.written = GenerateAndViewCurrentTable(form.ranking, project, form.selected, form.clock,
                                                   form.dialogs);
      break;
    case ReportChoice::TopUrls:
      viewed.written =
          ViewTopUrlsReport(form.topUrls, project, form.selected, form.clock, form.dialogs);
      break;
  }
  return viewed;
}

void ViewReportFromMenu(MainFormModel& form, ReportChoice choice) {
  const ReportViewed viewed = ViewReport(form, choice);
  if (viewed.missing) {
    form.sbStatusBar[2] = texts::kNoLogReport + viewed.path;
  } else if (!viewed.written) {
    form.dialogs.ShowMessage(texts::kReportNotWritten + viewed.written.message(), texts::kAppTitle,
                             MessageButtons::Ok, MessageIcon::Stop);
  }
}

}  // namespace kestrova
