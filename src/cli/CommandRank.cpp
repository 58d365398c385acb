// kestrova-cli rank FILE: the Rank button without a window. The project's
// keyword text (or the --keyword lines) on its selected engines; Ctrl+C is Stop.
#include <unistd.h>

#include <iostream>
#include <memory>

#include "cli/CliDialogs.h"
#include "cli/CliProgress.h"
#include "cli/CliRankWindow.h"
#include "cli/CliSession.h"
#include "cli/Command.h"
#include "history/ProjectHistory.h"
#include "net/HttpClient.h"
#include "net/PosixConnection.h"
#include "ranking/HttpPageFetcher.h"
#include "ranking/RankAction.h"
#include "ranking/RunTexts.h"
#include "reports/RunReportFiles.h"

namespace kestrova::cli {
namespace {

struct RankOptions {
  std::string file, proxy, userAgent, clock;
  std::vector<std::string> keywords;
  bool yes = false, redo = false, userAgentGiven = false, noHistory = false;
};

std::string JoinKeywordLines(const std::vector<std::string>& keywords) {
  std::string text;
  for (const std::string& keyword : keywords) {
    if (!text.empty()) text += texts::kCrLf;
    text += ArgText(keyword);
  }
  return text;
}

std::unique_ptr<Clock> ClockFor(const std::string& option) {
  if (option.empty()) return std::make_unique<SystemClock>();
  const auto date = ParseClockOption(option);
  if (!date) throw UsageError("--clock must be \"YYYY-MM-DD HH:MM:SS\"");
  return std::make_unique<FixedClock>(*date);
}

int RunRank(const RankOptions& options, CliIo& io) {
  std::optional<ProxySetting> proxy;
  if (!options.proxy.empty()) {
    proxy = ParseProxyArgument(ArgText(options.proxy));
    if (!proxy) throw UsageError("--proxy must be HOST:PORT");
  }
  const std::unique_ptr<Clock> clock = ClockFor(options.clock);
  CliDialogs dialogs(io.err, "rank", options.yes);
  CliSession session(options.file, dialogs, *clock);
  if (!session.Open()) return kExitFailed;

  NetworkState net;
  HttpClient client(net, dialogs, [] { return std::make_unique<PosixConnection>(); });
  HttpPageFetcher fetcher(client);
  CliProgress progress(io.err, &io.err == &std::cerr && isatty(STDERR_FILENO) == 1);
  RunReportFiles reports(session.project, *clock, session.ranking, session.selected);
  RunServices services{session.project, Catalogue(), net,      fetcher,
                       dialogs,         *clock,      progress, reports};
  const auto history =
      options.noHistory ? nullptr : OpenProjectHistory(options.file, session.project, dialogs);
  services.history = history.get();
  const std::string keywordText =
      options.keywords.empty() ? session.project.KeywordText : JoinKeywordLines(options.keywords);
  CliRankWindow window(session, keywordText);
  window.proxy = proxy;
  if (options.userAgentGiven) window.userAgent = ArgText(options.userAgent);
  RankController controller(services, window);
  dialogs.SetStopAction([&controller] { controller.Stop(); });

  {
    InterruptAsStop stopOnCtrlC;
    if (options.redo) {
      // "Redo" works on the grid as shown: the chosen keyword's failed engines.
      const auto& items = session.form.cmbKeyWords[kKeywordBox].items;
      if (!options.keywords.empty()) {
        session.Select(ArgText(options.keywords.front()));
        session.project.KeywordText = keywordText;
      } else if (!items.empty()) {
        session.Select(items.front());
      }
      if (window.FailedEngines().empty()) {
        io.err << "kestrova-cli rank: no engine reads \"Failed\"; nothing to redo\n";
        return kExitOk;
      }
      controller.ReRank(kReRankFailed);
    } else {
      controller.RankAction();
    }
  }
  if (controller.Refused()) return kExitFailed;

  // The report the run wrote shows the grid from before it; the one left behind
  // shows what the run found.
  if (!GenerateRankingReport(session.ranking, session.project, session.selected, *clock)) {
    io.err << "kestrova-cli rank: could not write Ranking.html\n";
  }
  if (session.project.Modified) {
    std::string error;
    if (!session.Save(error)) {
      io.err << "kestrova-cli rank: " << TerminalText(error) << "\n";
      return kExitFailed;
    }
  }
  io.out << TerminalText(session.project.ReportDirectory + "/Ranking.html") << "\n";
  return controller.LastRunEnd() == RunEnd::Stopped ? kExitStopped : kExitOk;
}

CommandRegistration registration{
    "rank", "Check the keywords on the selected engines and update the project",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<RankOptions>();
      sub.add_option("file", options->file, "The project file (.rnk)")->required();
      sub.add_option("--keyword", options->keywords,
                     "A keyword to check instead of the project's (repeatable)");
      sub.add_option("--proxy", options->proxy, "Send every request through HOST:PORT");
      sub.add_option("--user-agent", options->userAgent, "User-Agent header text")
          ->each([options](const std::string&) { options->userAgentGiven = true; });
      sub.add_flag("--yes", options->yes, "Answer Yes to every question");
      sub.add_flag("--redo", options->redo, "Re-run only the engines whose Result reads Failed");
      sub.add_flag("--no-history", options->noHistory,
                   "Keep this run out of the project's history");
      // Fixes the time of the run, so reports and records can be compared byte for byte.
      sub.add_option("--clock", options->clock)->group("");
      return [options, &io] { return RunRank(*options, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
