// kestrova-cli settings [FILE] [--proxy HOST:PORT | --no-proxy] [--agent NAME]
// [--user-agent TEXT] [--bold N] [--date-format N]: the choices of the window's
// settings. The proxy, user agent and bold grid live in the settings store the
// window loads at start and saves when it closes; the date format belongs to a
// project. Without an option the settings are printed and nothing is written.
#include <memory>
#include <optional>
#include <ostream>

#include "base/Text.h"
#include "cli/CliProject.h"
#include "cli/CliSettings.h"
#include "cli/Command.h"
#include "net/HttpRequest.h"
#include "net/ProxyAddress.h"

namespace kestrova::cli {
namespace {

// The captions of the four user-agent choices, in their order.
constexpr const char* kAgentNames[] = {"Microsoft", "Netscape", "Kestrova", "Own"};

struct SettingsOptions {
  std::string file, proxy, agent, userAgent;
  bool noProxy = false, userAgentGiven = false;
  std::optional<int> bold, dateFormat;  // given or not
  int boldValue = 0, dateFormatValue = 0;

  bool ChangesStore() const {
    return !proxy.empty() || noProxy || !agent.empty() || userAgentGiven || bold.has_value();
  }
};

// What the options change, checked before anything is opened.
struct SettingsChange {
  std::optional<ProxyAddress> proxy;
  std::optional<int> agent;
  std::optional<std::string> userAgent;
};

SettingsChange CheckedChange(const SettingsOptions& options) {
  SettingsChange change;
  if (!options.proxy.empty()) {
    change.proxy = ParseProxyAddress(ArgText(options.proxy));
    // The host goes into the request line as it is: one word, no port of its own.
    if (!change.proxy || HasControlCharacters(change.proxy->host) ||
        change.proxy->host.find_first_of(" :") != std::string::npos) {
      throw UsageError("--proxy must be HOST:PORT with a port from 1 to 65535, not \"" +
                       TerminalLine(ArgText(options.proxy)) + "\"");
    }
  }
  if (!options.agent.empty()) {
    for (int index = 0; index <= kOwnAgent; ++index) {
      if (LowerCase(options.agent) == LowerCase(kAgentNames[index])) change.agent = index;
    }
    if (!change.agent) throw UsageError("--agent must be microsoft, netscape, kestrova or own");
  }
  if (options.userAgentGiven) {
    const std::string text = ArgText(options.userAgent);
    // The text is sent as one header line.
    if (TrimSpaces(text).empty() || HasControlCharacters(text)) {
      throw UsageError("--user-agent must be one line of text");
    }
    change.userAgent = text;
    change.agent = kOwnAgent;
  }
  if (options.dateFormat && options.file.empty()) {
    throw UsageError("the date format is kept in each project: name its FILE");
  }
  return change;
}

void ApplyToFields(const SettingsOptions& options, const SettingsChange& change,
                   MainFormModel& form) {
  if (change.proxy) {
    form.chkUseProxy.value = 1;
    form.txtHttpProxy.text = change.proxy->host;
    form.txtPortProxy.text = std::to_string(change.proxy->port);
  }
  // Off keeps the host and port, as clearing the window's check box does.
  if (options.noProxy) form.chkUseProxy.value = 0;
  if (change.agent) form.optAgent_Click(*change.agent);
  if (change.userAgent) {
    form.txtUserAgentToUse.text = *change.userAgent;
    form.txtUserAgentToUse_Change();
  }
  if (options.bold) {
    form.chkBoldRankingGrid.value = *options.bold;
    form.chkBoldRankingGrid_Click();
  }
}

int SelectedAgent(const MainFormModel& form) {
  for (int index = 0; index <= kOwnAgent; ++index) {
    if (form.optAgent[static_cast<std::size_t>(index)].value) return index;
  }
  return 0;
}

void PrintSettings(std::ostream& out, const MainFormModel& form, bool withProject) {
  const auto onOff = [](int value) { return value == 1 ? "on" : "off"; };
  out << "Proxy: " << onOff(form.chkUseProxy.value) << "\n"
      << "Proxy host: " << TerminalLine(form.txtHttpProxy.text) << "\n"
      << "Proxy port: " << TerminalLine(form.txtPortProxy.text) << "\n"
      << "Direct connection: " << onOff(form.chkUseDirect.value) << "\n"
      << "User agent: " << kAgentNames[SelectedAgent(form)] << "\n"
      << "User agent text: " << TerminalLine(form.txtUserAgentToUse.text) << "\n"
      << "Bold ranking grid: " << form.chkBoldRankingGrid.value << "\n"
      << "Jobs: " << TerminalLine(form.txtJobs.text) << "\n";
  if (withProject) {
    const int format = form.project.DatePreference;
    out << "Date format: " << format << " (" << kDateFormatNames[format] << ")\n";
  }
}

int RunSettings(const SettingsOptions& options, CliIo& io) {
  const SettingsChange change = CheckedChange(options);
  const bool changesStore = options.ChangesStore();
  SystemClock clock;
  SilentRunObserver quiet;
  CliProject opened(io, "settings", false, clock, quiet);
  Application& app = opened.app;
  if (!options.file.empty() &&
      !(options.dateFormat ? opened.OpenToChange(options.file) : opened.Open(options.file).ok())) {
    return kExitFailed;
  }

  CliSettings stored(opened.dialogs, changesStore);
  app.store = &stored.Store();
  // Saving after a load that stopped half way would write the defaults over
  // the values it did not reach.
  if (!app.LoadStoredChoices() && changesStore) {
    io.err << "kestrova-cli settings: the settings could not be read; nothing was changed\n";
    return kExitFailed;
  }
  if (!changesStore && !options.dateFormat) {
    PrintSettings(io.out, app.form, !options.file.empty());
    return kExitOk;
  }

  if (options.dateFormat) {
    MainFormModel& form = app.form;
    form.LoadDatePreference();
    form.cmbDatePreference[kDateChoices].listIndex = *options.dateFormat;
    form.cmbDatePreference_Change(kDateChoices);
    // A failed save has told its problem; the store is left as it was.
    if (app.project.Modified && !app.mnuFileSave_Click()) return kExitFailed;
  }
  if (changesStore) {
    ApplyToFields(options, change, app.form);
    if (!app.SaveStoredChoices()) return kExitFailed;
  }
  return kExitOk;
}

CommandRegistration registration{
    "settings", "Print or change the proxy, user agent, bold grid and date format",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<SettingsOptions>();
      sub.add_option("file", options->file, "A project file (.rnk), for its date format");
      auto* proxy = sub.add_option("--proxy", options->proxy,
                                   "Send every request through HOST:PORT (and turn the proxy on)");
      auto* noProxy = sub.add_flag("--no-proxy", options->noProxy,
                                   "Connect directly (the proxy's host and port are kept)");
      proxy->excludes(noProxy);
      auto* agent = sub.add_option("--agent", options->agent,
                                   "The user-agent choice: microsoft, netscape, kestrova or own");
      auto* userAgent =
          sub.add_option("--user-agent", options->userAgent,
                         "Your own User-Agent text (chooses own)")
              ->each([options](const std::string&) { options->userAgentGiven = true; });
      userAgent->excludes(agent);
      auto* bold = sub.add_option("--bold", options->boldValue, "Bold ranking grid: 0 off, 1 on")
                       ->check(CLI::Range(0, 1));
      auto* dateFormat =
          sub.add_option("--date-format", options->dateFormatValue,
                         "The project's date format: 0 mm/dd/yyyy hh:mm:ss AMPM, 1 mm/dd/yyyy, "
                         "2 dddd, mmm d yyyy  hh:mm:ss AMPM, 3 dddd, mmm d yyyy, "
                         "4 mmm d yyyy  hh:mm:ss AMPM, 5 mmm d yyyy")
              ->check(CLI::Range(0, kLastDateFormatIndex));
      sub.footer(
          "The proxy, user agent and bold grid are the window's own settings: a window left "
          "open writes its choices back when it closes. Without an option the settings are "
          "printed.\n");
      return [options, bold, dateFormat, &io] {
        if (bold->count() > 0) options->bold = options->boldValue;
        if (dateFormat->count() > 0) options->dateFormat = options->dateFormatValue;
        return RunSettings(*options, io);
      };
    }};

}  // namespace
}  // namespace kestrova::cli
