// kestrova-cli parse: runs one engine's result parser and the marked-page readers
// over a saved page, the way the engine check does for each fetched page.
#include <ostream>

#include "base/Files.h"
#include "base/ProductInfo.h"
#include "cli/Command.h"
#include "engines/EngineCatalogue.h"
#include "engines/MarkedPageReaders.h"
#include "engines/ResultPage.h"
#include "engines/SavedPageAnnotation.h"

namespace kestrova::cli {
namespace {

// The engine check always searches the first three results-start texts.
constexpr int kLastStartSlot = 2;

struct ParseArguments {
  std::string engine, domain, keyword, pageFile, markedFile, annotatedFile;
  int pageIndex = 0;
  bool highlight = false;
};

bool WriteOutput(const std::string& path, const std::string& bytes, CliIo& io) {
  const Status written = WriteFileAtomically(path, bytes);
  if (!written) {
    io.err << "kestrova-cli parse: cannot write " << path << ": " << TerminalText(written.message())
           << '\n';
  }
  return written.ok();
}

int RunParse(const ParseArguments& args, CliIo& io) {
  const EngineCatalogue& catalogue = io.Catalogue();
  const Integer index = FindEngineIndex(catalogue, ArgText(args.engine));
  if (index < 0) throw UsageError("unknown engine: " + args.engine);
  const EngineRecord& engine = catalogue.At(index);
  std::string page;
  if (const Status read = ReadWholeFile(args.pageFile, page, kLargestPageFile); !read) {
    io.err << "kestrova-cli parse: cannot read " << args.pageFile << ": "
           << TerminalText(read.message()) << '\n';
    return kExitFailed;
  }
  const auto pageIndex = static_cast<Integer>(args.pageIndex);
  const std::string keyword = ArgText(args.keyword);

  // Offline: "Alles Klar AT" redirects are not followed, so its entries stay unmarked.
  ParseResultPage(engine, page, pageIndex);
  Integer position = 0;
  const bool found = FindDomainPosition(engine.Name, ArgText(args.domain), page, kLastStartSlot,
                                        engine.ResultsStartTexts, position);
  ResultList topUrls;
  ExtractTopUrls(keyword, engine.Name, page, pageIndex, topUrls);

  io.out << "found: " << (found ? "yes" : "no") << '\n'
         << "position: " << position << '\n'
         << "top-url-count: " << topUrls.TopUrlCount << '\n';
  for (int slot = 1; slot <= topUrls.TopUrlCount; ++slot)
    io.out << "top-url-" << slot << ": " << TerminalLine(topUrls.Url(slot)) << '\n';

  if (!args.markedFile.empty() && !WriteOutput(args.markedFile, page, io)) return kExitFailed;
  if (!args.annotatedFile.empty()) {
    SavedPageHeader header;
    header.title = SavedPageTitle(kProductWebPage, kProductName, pageIndex);
    header.baseUrl = engine.UserDefined ? EngineHomeLink(engine) + "/" : engine.Host;
    header.keyword = keyword;
    header.engineName = engine.Name;
    header.highlightAfter = engine.ResultsStartTexts[0];
    header.highlightKeywords = args.highlight;
    AnnotateSavedPage(page, header);
    if (!WriteOutput(args.annotatedFile, page, io)) return kExitFailed;
  }
  return kExitOk;
}

CommandRegistration registration{
    "parse", "Mark a saved result page and read the domain's position and the top URLs",
    [](CLI::App& sub, CliIo& io) {
      auto args = std::make_shared<ParseArguments>();
      sub.add_option("--engine", args->engine, "Engine name, exactly as listed by 'engines'")
          ->required();
      sub.add_option("--domain", args->domain, "Domain looked for, as the user typed it")
          ->required();
      sub.add_option("--keyword", args->keyword, "Keyword as the user typed it")->required();
      sub.add_option("--page-index", args->pageIndex, "Result page index, 0 for the first page")
          ->required()
          ->check(CLI::Range(0, 32767));
      sub.add_option("--marked", args->markedFile, "Write the marked page to this file");
      sub.add_option("--annotated", args->annotatedFile,
                     "Write the page as the engine check saves it to this file");
      sub.add_flag("--highlight", args->highlight, "Highlight the keyword in the annotated page");
      sub.add_option("PAGEFILE", args->pageFile, "Result page (whole HTTP answer or HTML)")
          ->required();
      return [args, &io] { return RunParse(*args, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
