// kestrova-cli engines: the engine catalogue, one tab-separated line per engine
// (index, name, language, country, host).
#include <ostream>

#include "cli/Command.h"
#include "engines/EngineCatalogue.h"

namespace kestrova::cli {
namespace {

CommandRegistration registration{
    "engines", "List the engine catalogue: index, name, language, country, host",
    [](CLI::App&, CliIo& io) {
      return [&io] {
        const EngineCatalogue& catalogue = Catalogue();
        for (Integer index = 0; index <= catalogue.LastEngineIndex; ++index) {
          const EngineRecord& engine = catalogue.At(index);
          io.out << index << '\t' << TerminalText(engine.Name) << '\t'
                 << TerminalText(engine.Language) << '\t' << TerminalText(engine.Country) << '\t'
                 << TerminalText(engine.Host) << '\n';
        }
        return kExitOk;
      };
    }};

}  // namespace
}  // namespace kestrova::cli
