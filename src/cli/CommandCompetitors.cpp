// kestrova-cli competitors FILE --keyword K: the domains seen in the keyword's
// top ten over time, with their slot at each check date; the project's own
// domain is marked "*" (table) or own = yes (csv, json).
#include <memory>
#include <ostream>

#include "cli/CliDialogs.h"
#include "cli/Command.h"
#include "cli/HistoryReading.h"
#include "cli/RowPrinter.h"
#include "history/Competitors.h"

namespace kestrova::cli {
namespace {

struct CompetitorOptions {
  std::string file, keyword, engine, format = "table";
  bool engineGiven = false;
};

// One block per engine: a column per check date, "-" where the domain was not listed.
void PrintTables(std::ostream& out, const std::string& keyword, const CompetitorTable& table) {
  out << "Keyword: " << TerminalLine(keyword) << "\n";
  std::string engine;
  std::unique_ptr<RowPrinter> printer;
  for (const CompetitorRow& row : table.rows) {
    const std::vector<std::string>& dates = table.dates.at(row.engine);
    if (row.engine != engine) {
      printer.reset();
      engine = row.engine;
      out << "\nEngine: " << TerminalLine(engine) << "\n";
      std::vector<std::string> header = {"", "domain"};
      header.insert(header.end(), dates.begin(), dates.end());
      printer = std::make_unique<RowPrinter>(out, GridFormat::Table, std::move(header));
    }
    std::vector<std::string> cells = {row.own ? "*" : "", row.domain};
    for (const std::string& date : dates) {
      const auto at = row.positions.find(date);
      cells.push_back(at == row.positions.end() ? "-" : std::to_string(at->second));
    }
    printer->Row(cells);
  }
}

void PrintLong(std::ostream& out, GridFormat format, const CompetitorTable& table) {
  RowPrinter printer(out, format, {"date", "engine", "domain", "position", "own"});
  for (const CompetitorRow& row : table.rows) {
    for (const auto& [date, slot] : row.positions) {
      printer.Row({date, row.engine, row.domain, std::to_string(slot), row.own ? "yes" : "no"});
    }
  }
}

int RunCompetitors(const CompetitorOptions& options, CliIo& io) {
  const GridFormat format = ParseGridFormat(options.format);
  const CheckFilter filter =
      ChecksFilter(&options.keyword, options.engineGiven ? &options.engine : nullptr, nullptr);
  CliDialogs dialogs(io.err, "competitors", false);
  HistoryReading reading;
  if (!OpenHistoryForReading(options.file, io, dialogs, reading)) return kExitFailed;
  std::vector<TopUrlRow> urls;
  const SqliteStatus status = ForEachTopUrl(reading.history->Store(), filter,
                                            [&urls](const TopUrlRow& url) { urls.push_back(url); });
  if (!status.ok()) {
    io.err << "kestrova-cli competitors: " << status.message << "\n";
    return kExitFailed;
  }
  const CompetitorTable table = BuildCompetitors(urls);
  if (format == GridFormat::Table) {
    PrintTables(io.out, *filter.keyword, table);
  } else {
    PrintLong(io.out, format, table);
  }
  return kExitOk;
}

CommandRegistration registration{
    "competitors", "Print the domains seen in a keyword's top ten over time",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<CompetitorOptions>();
      sub.add_option("file", options->file, "The project file (.rnk)")->required();
      sub.add_option("--keyword", options->keyword, "The keyword")->required();
      sub.add_option("--engine", options->engine, "Only this engine")
          ->each([options](const std::string&) { options->engineGiven = true; });
      sub.add_option("--format", options->format, "table, csv or json")->capture_default_str();
      return [options, &io] { return RunCompetitors(*options, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
