// kestrova-cli serp FILE: the whole stored top ten of every check in the
// project's history, one row per slot, oldest check first.
#include <memory>
#include <ostream>

#include "cli/CliDialogs.h"
#include "cli/Command.h"
#include "cli/HistoryReading.h"
#include "cli/RowPrinter.h"

namespace kestrova::cli {
namespace {

struct SerpOptions {
  std::string file, keyword, engine, format = "csv";
  bool keywordGiven = false, engineGiven = false;
};

int RunSerp(const SerpOptions& options, CliIo& io) {
  if (options.format != "csv" && options.format != "json") {
    throw UsageError("--format must be csv or json");
  }
  const CheckFilter filter = ChecksFilter(options.keywordGiven ? &options.keyword : nullptr,
                                          options.engineGiven ? &options.engine : nullptr, nullptr);
  CliDialogs dialogs(io.err, "serp", false);
  HistoryReading reading;
  if (!OpenHistoryForReading(options.file, io, dialogs, reading)) return kExitFailed;
  RowPrinter printer(io.out, ParseGridFormat(options.format),
                     {"date", "keyword", "engine", "slot", "url", "domain"});
  const SqliteStatus status =
      ForEachTopUrl(reading.history->Store(), filter, [&](const TopUrlRow& url) {
        printer.Row(
            {url.date, url.keyword, url.engine, std::to_string(url.slot), url.url, url.host});
      });
  printer.Finish();
  if (!status.ok()) {
    io.err << "kestrova-cli serp: " << status.message << "\n";
    return kExitFailed;
  }
  return kExitOk;
}

CommandRegistration registration{
    "serp", "Print the stored top ten of every check in the project's history",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<SerpOptions>();
      sub.add_option("file", options->file, "The project file (.rnk)")->required();
      sub.add_option("--keyword", options->keyword, "Only this keyword")
          ->each([options](const std::string&) { options->keywordGiven = true; });
      sub.add_option("--engine", options->engine, "Only this engine")
          ->each([options](const std::string&) { options->engineGiven = true; });
      sub.add_option("--format", options->format, "csv or json")->capture_default_str();
      return [options, &io] { return RunSerp(*options, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
