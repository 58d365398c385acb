// kestrova-cli engines: the engine catalogue, one tab-separated line per engine
// (index, name, language, country, host; engines of the engines file add a
// sixth column, "user", and show their host with scheme and port), and with
// --check FILE a check of an engines file that prints each engine's first
// query as it would be requested.
#include <memory>
#include <ostream>

#include "base/Files.h"
#include "cli/Command.h"
#include "engines/QueryPath.h"
#include "engines/UserEnginesFile.h"

namespace kestrova::cli {
namespace {

struct EnginesOptions {
  std::string checkFile;
  std::string keyword = "rank checker";
};

void ListEngines(const EngineCatalogue& catalogue, CliIo& io) {
  for (Integer index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const EngineRecord& engine = catalogue.At(index);
    io.out << index << '\t' << TerminalText(engine.Name) << '\t' << TerminalText(engine.Language)
           << '\t' << TerminalText(engine.Country) << '\t';
    // Built-in lines stay the five columns scripts read.
    if (engine.UserDefined) {
      io.out << TerminalText(EngineHomeLink(engine)) << "\tuser";
    } else {
      io.out << TerminalText(engine.Host);
    }
    io.out << '\n';
  }
}

int CheckEnginesFile(const EnginesOptions& options, CliIo& io) {
  std::string bytes;
  if (const Status read = ReadWholeFile(options.checkFile, bytes); !read) {
    io.err << "kestrova-cli engines: cannot read " << options.checkFile << ": "
           << TerminalLine(read.message()) << "\n";
    return kExitFailed;
  }
  const UserEnginesLoad load = ParseUserEngines(bytes, Catalogue());
  for (const EngineRecord& engine : load.engines) {
    const QueryRequest first = BuildKeywordQuery(engine, ArgText(options.keyword), 0);
    const std::string origin = EngineHomeLink(engine);
    io.out << TerminalText(engine.Name) << '\t' << (first.UsePost ? "POST " : "GET ")
           << TerminalText(origin + first.Path) << '\n';
  }
  for (const std::string& problem : load.problems)
    io.err << options.checkFile << ": " << TerminalText(problem) << "\n";
  return load.problems.empty() ? kExitOk : kExitFailed;
}

CommandRegistration registration{
    "engines",
    "List the engine catalogue (index, name, language, country, host), or check an engines file",
    [](CLI::App& sub, CliIo& io) {
      auto options = std::make_shared<EnginesOptions>();
      sub.add_option("--check", options->checkFile,
                     "Check this engines file and print each engine's first query");
      sub.add_option("--keyword", options->keyword,
                     "The keyword of the printed queries (default \"rank checker\")");
      return [options, &io] {
        if (!options->checkFile.empty()) return CheckEnginesFile(*options, io);
        ListEngines(io.Catalogue(), io);
        return kExitOk;
      };
    }};

}  // namespace
}  // namespace kestrova::cli
