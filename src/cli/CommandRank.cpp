// kestrova-cli rank FILE: the Rank button without a window. The project's
// keyword text (or the --keyword lines) on its selected engines; Ctrl+C is Stop.
#include <unistd.h>

#include <iostream>
#include <memory>

#include "base/Text.h"
#include "cli/CliProgress.h"
#include "cli/CliProject.h"
#include "cli/CliSettings.h"
#include "cli/Command.h"
#include "net/HttpRequest.h"
#include "net/ProxyAddress.h"
#include "ranking/RunTexts.h"
#include "reports/Reports.h"

namespace kestrova::cli {
namespace {

struct RankOptions {
  std::string file, proxy, userAgent, clock, caFile;
  std::vector<std::string> keywords;
  bool yes = false, redo = false, userAgentGiven = false, noHistory = false, noProxy = false;
  int jobs = kDefaultJobs;
  bool jobsGiven = false;
};

// The stored choices the run would take: a proxy that is on but cannot be
// reached, or an agent text that is not one header line, would otherwise
// send the run directly or break its requests without a word.
std::string StoredChoicesProblem(const MainFormModel& form, const RankOptions& options,
                                 bool proxyGiven) {
  if (!proxyGiven && !options.noProxy && form.chkUseProxy.value == 1) {
    const std::string host = TrimSpaces(form.txtHttpProxy.text);
    if (host.empty() || !ParseProxyPort(TrimSpaces(form.txtPortProxy.text))) {
      return "the stored proxy \"" + TerminalLine(host + ":" + form.txtPortProxy.text) +
             "\" is not HOST:PORT (kestrova-cli settings --proxy or --no-proxy mends it)";
    }
  }
  if (!options.userAgentGiven && HasControlCharacters(form.txtUserAgentToUse.text)) {
    return "the stored user agent is not one line of text (kestrova-cli settings --agent or "
           "--user-agent mends it)";
  }
  return "";
}

std::string JoinKeywordLines(const std::vector<std::string>& keywords) {
  std::string text;
  for (const std::string& keyword : keywords) {
    if (!text.empty()) text += texts::kCrLf;
    text += ArgText(keyword);
  }
  return text;
}

int RunRank(const RankOptions& options, CliIo& io) {
  std::optional<ProxySetting> proxy;
  if (!options.proxy.empty()) {
    proxy = ParseProxyArgument(ArgText(options.proxy));
    if (!proxy) throw UsageError("--proxy must be HOST:PORT");
  }
  if (options.userAgentGiven && HasControlCharacters(ArgText(options.userAgent))) {
    throw UsageError("--user-agent must be one line of text");
  }
  const std::unique_ptr<Clock> clock = ClockFromOption(options.clock);
  CliProgress progress(io.err, &io.err == &std::cerr && isatty(STDERR_FILENO) == 1);
  CliProject opened(io, "rank", options.yes, *clock, progress);
  if (!opened.OpenToChange(options.file)) return kExitFailed;
  Application& app = opened.app;
  // The window's stored proxy, user agent and jobs, unless the options name others.
  CliSettings stored(opened.dialogs, false);
  app.store = &stored.Store();
  app.LoadStoredChoices();
  if (const std::string problem = StoredChoicesProblem(app.form, options, proxy.has_value());
      !problem.empty()) {
    io.err << "kestrova-cli rank: " << problem << "\n";
    return kExitFailed;
  }
  if (options.noProxy) proxy = ProxySetting{};
  RankSession& rank = app.rank;
  rank.tls = {options.caFile};
  if (!options.noHistory) app.AttachHistory();
  const std::string keywordText =
      options.keywords.empty() ? app.project.KeywordText : JoinKeywordLines(options.keywords);
  rank.keywordText = keywordText;
  rank.proxy = proxy;
  if (options.jobsGiven) rank.jobs = options.jobs;
  if (options.userAgentGiven) rank.userAgent = ArgText(options.userAgent);
  RankController& controller = rank.Controller();
  opened.dialogs.SetStopAction([&controller] { controller.Stop(); });

  {
    InterruptAsStop stopOnCtrlC;
    if (options.redo) {
      // "Redo" works on the grid as shown: the chosen keyword's failed engines.
      if (!opened.ChooseTypedKeyword(
              options.keywords.empty() ? std::nullopt : std::optional(options.keywords.front()))) {
        return kExitFailed;
      }
      if (!options.keywords.empty()) app.project.KeywordText = keywordText;
      if (rank.FailedEngines().empty()) {
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
  bool outputLost = progress.LostOutputs() > 0;
  const bool reportWritten =
      GenerateRankingReport(app.form.ranking, app.project, app.form.selected, *clock).ok();
  if (!reportWritten) {
    io.err << "kestrova-cli rank: could not write Ranking.html\n";
    outputLost = true;
  }
  // A failed save has told its problem.
  if (app.project.Modified && !app.mnuFileSave_Click()) return kExitFailed;
  // A script opens what is printed: a report that is not there is not named.
  if (reportWritten) io.out << TerminalLine(app.project.ReportDirectory + "/Ranking.html") << "\n";
  // Lost output outranks a stop: the records are in, but something the person
  // will look for is missing.
  if (outputLost) return kExitOutputLost;
  return controller.LastRunEnd() == RunEnd::Stopped ? kExitStopped : kExitOk;
}

CommandRegistration registration{
    "rank", "Check the keywords on the selected engines and update the project",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<RankOptions>();
      sub.add_option("file", options->file, "The project file (.rnk)")->required();
      sub.add_option("--keyword", options->keywords,
                     "A keyword to check instead of the project's (repeatable)");
      auto* proxy = sub.add_option(
          "--proxy", options->proxy,
          "Send every request through HOST:PORT (default: the proxy stored with settings)");
      sub.add_flag("--no-proxy", options->noProxy, "Connect directly, whatever proxy is stored")
          ->excludes(proxy);
      sub.add_option("--user-agent", options->userAgent,
                     "User-Agent header text (default: the one chosen with settings)")
          ->each([options](const std::string&) { options->userAgentGiven = true; });
      sub.add_option("--ca-file", options->caFile,
                     "Trust the certificate authorities of this PEM file instead of the system's "
                     "(HTTPS engines)");
      sub.add_flag("--yes", options->yes, "Answer Yes to every question");
      sub.add_flag("--redo", options->redo, "Re-run only the engines whose Result reads Failed");
      sub.add_option("--jobs", options->jobs,
                     "How many engines to check at once (default: the stored choice, at first "
                     "8; 1 checks one at a time)")
          ->check(CLI::Range(1, kMaxJobs))
          ->each([options](const std::string&) { options->jobsGiven = true; });
      sub.add_flag("--no-history", options->noHistory,
                   "Keep this run out of the project's history");
      // Fixes the time of the run, so reports and records can be compared byte for byte.
      sub.add_option("--clock", options->clock)->group("");
      sub.footer(
          "Exit status: 0 finished, 1 refused or the project could not be saved, 2 bad "
          "arguments, 3 finished but a saved page or report could not be written (the "
          "records are saved all the same), 130 stopped with Ctrl+C.\n");
      return [options, &io] { return RunRank(*options, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
