#include "engines/ResultPage.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engines/Parsers.h"
#include "engines/ResultLinkRule.h"

namespace kestrova {
namespace {

using parsers::Parser;

// Engine name (compared exactly) to its parser.
constexpr std::array<std::pair<std::string_view, Parser>, 34> kParsers{{
    {"Aladin DE", parsers::AladinDe},
    {"Alles Klar AT", parsers::AllesKlarAt},
    {"Alles Klar DE", parsers::AllesKlarDe},
    {"AllTheWeb", parsers::AllTheWeb},
    {"AlpaVista", parsers::AlpaVista},
    {"AltaVista", parsers::AltaVista},
    {"AltaVista CA", parsers::AltaVista},
    {"AltaVista DE", parsers::AltaVistaDe},
    {"Anzwers", parsers::Anzwers},
    {"AOL", parsers::Aol},
    {"Arianna", parsers::Arianna},
    {"Austria WWW", parsers::AustriaWww},
    {"AustroNaut", parsers::AustroNaut},
    {"BellNet", parsers::BellNet},
    {"C'est Trouve", parsers::CestTrouve},
    {"Clarin", parsers::Clarin},
    {"DirectHit", parsers::DirectHit},
    {"Ecila", parsers::Ecila},
    {"EuroSeek", parsers::EuroSeek},
    {"Excite", parsers::Excite},
    {"Excite AU", parsers::ExciteNational},
    {"Excite DE", parsers::ExciteDe},
    {"Excite FR", parsers::ExciteNational},
    {"Excite IT", parsers::ExciteNational},
    {"Excite UK", parsers::ExciteNational},
    {"Google", parsers::Google},
    {"HotBot", parsers::HotBot},
    {"InfoSeek", parsers::InfoSeek},
    {"Lycos", parsers::Lycos},
    {"MSN", parsers::Msn},
    {"NorthernLight", parsers::NorthernLight},
    {"Snap", parsers::Snap},
    {"WebCrawler", parsers::WebCrawler},
    {"Yahoo", parsers::Yahoo},
}};

Parser FindParser(std::string_view engineName) {
  for (const auto& [name, parser] : kParsers)
    if (name == engineName) return parser;
  return nullptr;
}

}  // namespace

void ParseResultPage(const EngineRecord& engine, std::string& pageText, Integer pageIndex,
                     const HeadRequest& head) {
  if (engine.UserDefined) return MarkResultLinks(pageText, engine.ResultLinks, pageIndex);
  const Parser parser = FindParser(engine.Name);
  if (parser == nullptr) return;
  parsers::EntryScan scan(pageText, pageIndex, engine.Host);
  parser(scan, head);
}

bool HasResultParser(std::string_view engineName) {
  return FindParser(engineName) != nullptr;
}

Pos LastIndexBefore(Pos pos, std::string_view text, std::string_view needle) {
  if (pos <= 0 || pos >= static_cast<Pos>(text.size())) return 0;
  const Pos lastStart = pos - static_cast<Pos>(needle.size()) + 1;
  return lastStart < 1 ? 0 : FindLastNoCase(text, needle, lastStart);
}

}  // namespace kestrova
