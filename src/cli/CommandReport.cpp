// kestrova-cli report FILE: the View menu's report generation, without
// opening the result; the written file's path goes to stdout.
#include <memory>
#include <ostream>

#include "app/ReportViews.h"
#include "cli/CliProject.h"
#include "cli/Command.h"

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
  const std::unique_ptr<Clock> clock = ClockFromOption(options.clock);
  SilentRunObserver quiet;
  CliProject opened(io, "report", false, *clock, quiet);
  if (!opened.Open(options.file)) return kExitFailed;
  if (!opened.ChooseTypedKeyword(options.keywordGiven ? std::optional(options.keyword)
                                                      : std::nullopt)) {
    return kExitFailed;
  }
  const ReportChoice choice = options.master    ? ReportChoice::Master
                              : options.topUrls ? ReportChoice::TopUrls
                                                : ReportChoice::Ranking;
  const ReportViewed viewed = ViewReport(opened.app.form, choice);
  const Status& status = viewed.written;
  if (!status) {
    io.err << "kestrova-cli report: " << TerminalText(status.message()) << "\n";
    return kExitFailed;
  }
  io.out << TerminalLine(viewed.path) << "\n";
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
