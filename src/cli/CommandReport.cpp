// kestrova-cli report FILE: the View menu's report generation, without
// opening the result; the written file's path goes to stdout.
#include <memory>
#include <ostream>

#include "cli/CliDialogs.h"
#include "cli/CliSession.h"
#include "cli/Command.h"
#include "reports/Reports.h"

namespace kestrova::cli {
namespace {

struct ReportOptions {
  std::string file, keyword, clock;
  bool keywordGiven = false, ranking = false, topUrls = false, master = false;
};

int RunReport(const ReportOptions& options, CliIo& io) {
  if (options.ranking + options.topUrls + options.master > 1) {
    throw UsageError("choose one of --ranking, --top-urls and --master");
  }
  std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
  if (!options.clock.empty()) {
    const auto date = ParseClockOption(options.clock);
    if (!date) throw UsageError("--clock must be \"YYYY-MM-DD HH:MM:SS\"");
    clock = std::make_unique<FixedClock>(*date);
  }
  CliDialogs dialogs(io.err, "report", false);
  CliSession session(options.file, dialogs, *clock);
  if (!session.Open(io.err)) return kExitFailed;
  const auto& keywords = session.form.cmbKeyWords[kKeywordBox].items;
  if (options.keywordGiven) {
    session.Select(ArgText(options.keyword));
  } else if (!keywords.empty()) {
    session.Select(keywords.front());
  }

  const ProjectState& project = session.project;
  Status status;
  std::string name;
  if (options.master) {
    name = "Master.html";
    status = ViewMasterReport(project, *clock, dialogs);
  } else if (options.topUrls) {
    name = "TopUrls.html";
    status = ViewTopUrlsReport(session.topUrls, project, session.selected, *clock, dialogs);
  } else {
    name = "Ranking.html";
    status = ViewRankingReport(session.ranking, project, session.selected, *clock, dialogs);
  }
  if (!status) {
    io.err << "kestrova-cli report: " << TerminalText(status.message()) << "\n";
    return kExitFailed;
  }
  io.out << TerminalLine(project.ReportDirectory + "/" + name) << "\n";
  return kExitOk;
}

CommandRegistration registration{
    "report", "Write the Ranking, Top URLs or Master report of a project",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<ReportOptions>();
      sub.add_option("file", options->file, "The project file (.rnk)")->required();
      sub.add_option("--keyword", options->keyword, "The keyword (default: the first one)")
          ->each([options](const std::string&) { options->keywordGiven = true; });
      sub.add_flag("--ranking", options->ranking, "The Ranking report (the default)");
      sub.add_flag("--top-urls", options->topUrls, "The Top URLs report");
      sub.add_flag("--master", options->master, "The Master report");
      sub.add_option("--clock", options->clock)->group("");
      return [options, &io] { return RunReport(*options, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
