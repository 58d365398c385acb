// kestrova-cli show FILE: the ranking grid (or the top-URLs grid) of a keyword,
// as the window shows it after choosing that keyword.
#include <memory>
#include <ostream>

#include "cli/CliProject.h"
#include "cli/Command.h"
#include "cli/GridText.h"

namespace kestrova::cli {
namespace {

struct ShowOptions {
  std::string file, keyword, format = "table";
  bool keywordGiven = false, top = false;
};

int RunShow(const ShowOptions& options, CliIo& io) {
  GridFormat format = GridFormat::Table;
  if (options.format == "csv") {
    format = GridFormat::Csv;
  } else if (options.format == "json") {
    format = GridFormat::Json;
  } else if (options.format != "table") {
    throw UsageError("--format must be table, csv or json");
  }
  SystemClock clock;
  SilentRunObserver quiet;
  CliProject opened(io, "show", false, clock, quiet);
  if (!opened.Open(options.file)) return kExitFailed;
  const MainFormModel& form = opened.app.form;
  if (!opened.ChooseTypedKeyword(options.keywordGiven ? std::optional(options.keyword)
                                                      : std::nullopt)) {
    return kExitFailed;
  }
  const std::string shown = form.selected.value_or("");
  if (format == GridFormat::Table) io.out << "Keyword: " << TerminalLine(shown) << "\n";
  PrintGrid(io.out, options.top ? form.topUrls.View() : form.ranking.View(), format);
  return kExitOk;
}

CommandRegistration registration{
    "show", "Print the ranking grid (or the top-URLs grid) of a keyword",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<ShowOptions>();
      sub.add_option("file", options->file, "The project file (.rnk)")->required();
      sub.add_option("--keyword", options->keyword, "The keyword (default: the first one)")
          ->each([options](const std::string&) { options->keywordGiven = true; });
      sub.add_flag("--top", options->top, "Show the top-URLs grid");
      sub.add_option("--format", options->format, "table, csv or json")->capture_default_str();
      return [options, &io] { return RunShow(*options, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
