// kestrova-cli new FILE --domain D ...: creates a project file, as the window's New
// command followed by Save As would.
#include <memory>
#include <ostream>

#include "app/NewProject.h"
#include "base/Files.h"
#include "base/Text.h"
#include "cli/Command.h"
#include "cli/EngineChoice.h"
#include "engines/EngineCatalogue.h"
#include "store/ProjectFile.h"
#include "store/SettingsPaths.h"

namespace kestrova::cli {
namespace {

struct NewOptions {
  std::string file, domain, keywords, engines, reportDir;
  int depth = kNewKeywordDepth;
  int timeout = kNewTimeOutSecs;
  bool highlight = false;
  bool force = false;
};

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

ProjectState BuildProject(const NewOptions& options, const EngineCatalogue& catalogue) {
  const std::string reportDir = options.reportDir.empty()
                                    ? DefaultReportDirectory(ProgramPathsFromEnvironment())
                                    : TrimSpaces(ArgText(options.reportDir));
  ProjectState project = NewProjectState(TrimSpaces(ArgText(options.domain)), reportDir);
  if (project.Domain.empty()) throw UsageError("the domain must not be empty");
  project.KeywordText = JoinLines(SplitList(ArgText(options.keywords)));
  project.SelectedEngines = ChosenEngines(options.engines, catalogue);
  SyncEngineLists(project, catalogue);
  project.TimeOutSecs = ToIntegerSaturated(options.timeout);
  if (project.TimeOutSecs < 1) throw UsageError("the time-out must be at least 1 second");
  project.KeywordDepth = ToIntegerSaturated(options.depth);
  if (project.KeywordDepth < 1) throw UsageError("the depth must be at least 1");
  project.HighlightKeywords = options.highlight ? 1 : 0;
  return project;
}

CommandRegistration registration{
    "new", "Create a project file", [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<NewOptions>();
      sub.add_option("file", options->file, "The project file to create (.rnk)")->required();
      sub.add_option("--domain", options->domain, "The site to check, without http://")->required();
      sub.add_option("--keywords", options->keywords, "Keywords, separated by commas");
      sub.add_option("--engines", options->engines,
                     "Engines to check, separated by commas, or \"all\"");
      sub.add_option("--depth", options->depth, "How many results deep to look")
          ->capture_default_str();
      sub.add_option("--timeout", options->timeout, "Time-out in seconds")->capture_default_str();
      sub.add_option("--report-dir", options->reportDir,
                     "Where reports are written (default: the data directory's Results)");
      sub.add_flag("--highlight", options->highlight, "Highlight keywords in saved pages");
      sub.add_flag("--force", options->force, "Replace an existing file");
      return [options, &io] {
        if (LowerCase(Right(options->file, 4)) != ".rnk") {
          throw UsageError("the project file name must end in .rnk");
        }
        ProjectState project = BuildProject(*options, io.Catalogue());
        if (!options->force && (FileExists(options->file) || DirExists(options->file))) {
          io.err << "kestrova-cli new: " << options->file
                 << " exists already (--force replaces it)\n";
          return kExitFailed;
        }
        if (const Status saved = WriteProjectFile(options->file, project); !saved) {
          io.err << "kestrova-cli new: " << TerminalText(saved.message()) << "\n";
          return kExitFailed;
        }
        return kExitOk;
      };
    }};

}  // namespace
}  // namespace kestrova::cli
