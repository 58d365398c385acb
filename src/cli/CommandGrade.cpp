// kestrova-cli grade N: the grade word of a position.
#include <ostream>

#include "base/Grade.h"
#include "base/Numbers.h"
#include "cli/Command.h"

namespace kestrova::cli {
namespace {

CommandRegistration registration{
    "grade", "Print the grade word of a position", [](CLI::App& sub, CliIo& io) {
      auto position = std::make_shared<long long>(0);
      sub.add_option("position", *position, "Position in the result list (0: not listed)")
          ->required();
      return [position, &io] {
        io.out << GetGradeRanking(ToIntegerSaturated(static_cast<double>(*position))) << "\n";
        return kExitOk;
      };
    }};

}  // namespace
}  // namespace kestrova::cli
