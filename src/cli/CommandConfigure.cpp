// kestrova-cli configure FILE [--domain D] [--engines ...] [--depth N] ...:
// changes what the window's fields, engine lists and settings dialog change in
// a project, through the same form, so the same refusals hold (the domain
// stays while the project has rankings). Every argument is checked before the
// file is opened, and a refusal leaves the file as it was.
#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>

#include "base/Text.h"
#include "cli/CliProject.h"
#include "cli/Command.h"
#include "cli/EngineChoice.h"

namespace kestrova::cli {
namespace {

struct ConfigureOptions {
  std::string file;
  std::optional<std::string> domain, engines, reportDir;
  std::vector<std::string> addEngines, removeEngines;
  std::optional<int> depth, timeout;
  bool highlight = false, noHighlight = false;

  bool ChangesNothing() const {
    return !domain && !engines && !reportDir && addEngines.empty() && removeEngines.empty() &&
           !depth && !timeout && !highlight && !noHighlight;
  }
};

void CheckArguments(const ConfigureOptions& options, const EngineCatalogue& catalogue) {
  if (options.ChangesNothing()) {
    throw UsageError("name something to change (kestrova-cli info shows the project as it is)");
  }
  if (options.domain && TrimSpaces(ArgText(*options.domain)).empty()) {
    throw UsageError("the domain must not be empty");
  }
  if (options.engines) ChosenEngines(*options.engines, catalogue);
  for (const auto* names : {&options.addEngines, &options.removeEngines}) {
    for (const std::string& name : *names) RequireEngine(ArgText(name), catalogue);
  }
  for (const std::string& name : options.addEngines) {
    // Which of the two wins would be an accident of the order they are applied in.
    if (std::find(options.removeEngines.begin(), options.removeEngines.end(), name) !=
        options.removeEngines.end()) {
      throw UsageError("--add-engine and --remove-engine both name \"" + name + "\"");
    }
  }
  if (options.timeout && *options.timeout < 1) {
    throw UsageError("the time-out must be at least 1 second");
  }
  if (options.depth && *options.depth < 1) throw UsageError("the depth must be at least 1");
  if (options.reportDir && TrimSpaces(ArgText(*options.reportDir)).empty()) {
    throw UsageError("the reports folder must not be empty");
  }
}

// The Selected Sites list after --engines, --add-engine and --remove-engine;
// false (told) when a removed engine was not selected.
bool ChooseEngines(const ConfigureOptions& options, MainFormModel& form, CliIo& io) {
  std::vector<std::string>& selected = form.lstSites[kSelectedSites].items;
  std::vector<std::string>& offered = form.lstSites[kAllSites].items;
  auto isSelected = [&selected](const std::string& name) {
    return std::find(selected.begin(), selected.end(), name) != selected.end();
  };
  if (options.engines) selected = ChosenEngines(*options.engines, io.Catalogue());
  for (const std::string& added : options.addEngines) {
    if (!isSelected(ArgText(added))) selected.push_back(ArgText(added));
  }
  for (const std::string& removed : options.removeEngines) {
    const std::string name = ArgText(removed);
    if (!isSelected(name)) {
      io.err << "kestrova-cli configure: \"" << TerminalLine(name)
             << "\" is not a selected engine; nothing was changed\n";
      return false;
    }
    selected.erase(std::find(selected.begin(), selected.end(), name));
    offered.push_back(name);
  }
  // All Sites keeps its order, less what is now selected; an engine it lacks
  // comes back in catalogue order.
  std::erase_if(offered, isSelected);
  ProjectState lists;
  lists.AvailableEngines = std::move(offered);
  lists.SelectedEngines = selected;
  SyncEngineLists(lists, io.Catalogue());
  offered = std::move(lists.AvailableEngines);
  form.lstSites[kAllSites].listIndex = form.lstSites[kSelectedSites].listIndex = -1;
  return true;
}

int RunConfigure(const ConfigureOptions& options, CliIo& io) {
  CheckArguments(options, io.Catalogue());
  SystemClock clock;
  SilentRunObserver quiet;
  CliProject opened(io, "configure", false, clock, quiet);
  if (!opened.OpenToChange(options.file)) return kExitFailed;
  MainFormModel& form = opened.app.form;
  if (options.domain) {
    const std::string domain = TrimSpaces(ArgText(*options.domain));
    // As a key typed into the domain field: refused, with the window's words,
    // while rankings of the present domain exist.
    if (domain != TrimSpaces(form.txtDomain.text) && !form.txtDomain_KeyPress(0)) {
      return kExitFailed;
    }
    form.txtDomain.text = domain;
  }
  if (options.engines || !options.addEngines.empty() || !options.removeEngines.empty()) {
    if (!ChooseEngines(options, form, io)) return kExitFailed;
  }
  if (options.timeout) form.txtTimeOut.text = std::to_string(*options.timeout);
  if (options.depth) form.txtKeywordDepth.text = std::to_string(*options.depth);
  if (options.reportDir) form.txtReportDirectory.text = TrimSpaces(ArgText(*options.reportDir));
  if (options.highlight || options.noHighlight) form.chkHighlightKeywords.value = options.highlight;
  form.MarkModified();
  return opened.SaveTo(options.file) ? kExitOk : kExitFailed;
}

CommandRegistration registration{
    "configure",
    "Change a project's domain, engines, depth, time-out, reports folder or highlighting",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<ConfigureOptions>();
      sub.add_option("file", options->file, "The project file (.rnk)")->required();
      sub.add_option("--domain", options->domain,
                     "The site to check (refused while the project has rankings)");
      auto* engines = sub.add_option("--engines", options->engines,
                                     "The engines to check, separated by commas, or \"all\"");
      sub.add_option("--add-engine", options->addEngines, "Also check this engine (repeatable)")
          ->excludes(engines);
      sub.add_option("--remove-engine", options->removeEngines,
                     "Stop checking this engine; its rankings stay (repeatable)")
          ->excludes(engines);
      sub.add_option("--depth", options->depth, "How many results deep to look");
      sub.add_option("--timeout", options->timeout, "Time-out in seconds");
      sub.add_option("--report-dir", options->reportDir, "Where reports are written");
      auto* highlight =
          sub.add_flag("--highlight", options->highlight, "Highlight keywords in saved pages");
      sub.add_flag("--no-highlight", options->noHighlight, "Save pages as they came")
          ->excludes(highlight);
      return [options, &io] { return RunConfigure(*options, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
