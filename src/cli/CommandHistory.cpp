// kestrova-cli history FILE: every check the project's history holds, one row
// each, oldest first; --best adds the best rank each keyword reached per engine.
#include <memory>
#include <ostream>

#include "cli/CliDialogs.h"
#include "cli/Command.h"
#include "cli/HistoryReading.h"
#include "cli/RowPrinter.h"
#include "history/KeywordHistory.h"

namespace kestrova::cli {
namespace {

struct HistoryOptions {
  std::string file, keyword, engine, since, format = "table";
  bool keywordGiven = false, engineGiven = false, sinceGiven = false, best = false;
};

int RunHistory(const HistoryOptions& options, CliIo& io) {
  const GridFormat format = ParseGridFormat(options.format);
  const CheckFilter filter = ChecksFilter(options.keywordGiven ? &options.keyword : nullptr,
                                          options.engineGiven ? &options.engine : nullptr,
                                          options.sinceGiven ? &options.since : nullptr);
  CliDialogs dialogs(io.err, "history", false);
  HistoryReading reading;
  if (!OpenHistoryForReading(options.file, io, dialogs, reading)) return kExitFailed;
  HistoryStore& store = reading.history->Store();

  BestRanks best;
  std::vector<std::string> header = {"date", "keyword",  "engine", "rank",
                                     "page", "position", "result"};
  if (options.best) {
    header.insert(header.end(), {"best", "best_date"});
    if (const SqliteStatus status = ReadBestRanks(store, filter, best); !status.ok()) {
      io.err << "kestrova-cli history: " << status.message << "\n";
      return kExitFailed;
    }
  }
  RowPrinter printer(io.out, format, std::move(header));
  std::vector<std::string> cells;
  const SqliteStatus status = ForEachCheck(store, filter, [&](const CheckRow& check) {
    cells = CheckCells(check);
    if (options.best) {
      const auto found = best.find({check.keyword, check.engine});
      const bool any = found != best.end();
      cells.push_back(any ? std::to_string(found->second.rank) : "");
      cells.push_back(any ? found->second.date : "");
    }
    printer.Row(cells);
  });
  printer.Finish();
  if (!status.ok()) {
    io.err << "kestrova-cli history: " << status.message << "\n";
    return kExitFailed;
  }
  return kExitOk;
}

CommandRegistration registration{
    "history", "Print every check kept in the project's history", [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<HistoryOptions>();
      sub.add_option("file", options->file, "The project file (.rnk)")->required();
      sub.add_option("--keyword", options->keyword, "Only this keyword")
          ->each([options](const std::string&) { options->keywordGiven = true; });
      sub.add_option("--engine", options->engine, "Only this engine")
          ->each([options](const std::string&) { options->engineGiven = true; });
      sub.add_option("--since", options->since, "Only checks at or after YYYY-MM-DD[ HH:MM:SS]")
          ->each([options](const std::string&) { options->sinceGiven = true; });
      sub.add_option("--format", options->format, "table, csv or json")->capture_default_str();
      sub.add_flag("--best", options->best,
                   "Add the best rank ever of the keyword on the engine, and its date");
      return [options, &io] { return RunHistory(*options, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
