// kestrova-cli clear-rankings FILE: the window's Clear All, which drops every
// ranking record; the keyword lines stay, so the next run checks them afresh.
// The rank history beside the project keeps the checks made so far.
#include <memory>
#include <ostream>

#include "cli/CliProject.h"
#include "cli/Command.h"

namespace kestrova::cli {
namespace {

int RunClearRankings(const std::string& file, CliIo& io) {
  SystemClock clock;
  SilentRunObserver quiet;
  // Naming the command is the Yes to "clear all RANKINGS?".
  CliProject opened(io, "clear-rankings", true, clock, quiet);
  opened.dialogs.AnswerQuestionsYesQuietly();
  if (!opened.OpenToChange(file)) return kExitFailed;
  opened.app.form.cmdClearAllKeywords_Click();
  if (!opened.app.project.Modified) {
    io.err << "kestrova-cli clear-rankings: the project has no rankings to clear\n";
    return kExitOk;
  }
  return opened.SaveTo(file) ? kExitOk : kExitFailed;
}

CommandRegistration registration{
    "clear-rankings", "Drop every ranking of a project (its keywords stay)",
    [](CLI::App& sub, CliIo& io) {
      auto file = std::make_shared<std::string>();
      sub.add_option("file", *file, "The project file (.rnk)")->required();
      return [file, &io] { return RunClearRankings(*file, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
