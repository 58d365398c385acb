// kestrova-cli query-url: the host, path and method one engine is asked for one
// keyword and result page, exactly as the ranking run sends them.
#include <ostream>

#include "cli/Command.h"
#include "engines/EngineCatalogue.h"
#include "engines/QueryPath.h"

namespace kestrova::cli {
namespace {

// The largest page index whose numbers (10 x (index + 1)) still fit an Integer.
constexpr int kMaxPageIndex = 3275;

struct QueryUrlArguments {
  std::string engine, keyword;
  int pageIndex = 0;
};

CommandRegistration registration{
    "query-url", "Print the host, path and method of one engine's result-page request",
    [](CLI::App& sub, CliIo& io) {
      auto args = std::make_shared<QueryUrlArguments>();
      sub.add_option("--engine", args->engine, "Engine name, exactly as listed by 'engines'")
          ->required();
      sub.add_option("--keyword", args->keyword, "Keyword as the user typed it")->required();
      sub.add_option("--page-index", args->pageIndex, "Result page index, 0 for the first page")
          ->required()
          ->check(CLI::Range(0, kMaxPageIndex));
      return [args, &io] {
        const EngineCatalogue& catalogue = io.Catalogue();
        const Integer index = FindEngineIndex(catalogue, ArgText(args->engine));
        if (index < 0) throw UsageError("unknown engine: " + args->engine);
        const QueryRequest request = BuildKeywordQuery(catalogue.At(index), ArgText(args->keyword),
                                                       static_cast<Integer>(args->pageIndex));
        io.out << "host: " << TerminalLine(request.Host) << '\n'
               << "path: " << TerminalLine(request.Path) << '\n'
               << "post: " << (request.UsePost ? "yes" : "no") << '\n';
        return kExitOk;
      };
    }};

}  // namespace
}  // namespace kestrova::cli
