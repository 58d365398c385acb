// The simulator's scenario files: any text is read or refused with a reason,
// and a scenario that reads writes out as JSON that reads back to the same
// scenario.
//
// Input: the file's bytes.
#include <string>

#include "fuzz/FuzzSupport.h"
#include "sim/Scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrova;
  using namespace kestrova::fuzz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const sim::ScenarioLoad load = sim::ParseScenario(text);
  Require(load.scenario.has_value() != !load.error.empty(),
          "a text is either a scenario or refused with a reason");
  if (!load.scenario) return 0;

  const sim::Scenario& scenario = *load.scenario;
  for (const sim::Placement& placement : scenario.placements) {
    Require(placement.rank >= 1 && placement.rank <= 10 * sim::kMaxScenarioPages,
            "a placement lies on a page the simulator serves");
    Require(scenario.PlacementAt(placement.engine, "bird+widgets", placement.rank) != nullptr ||
                placement.keyword != "*",
            "a placement for every keyword is found");
  }
  scenario.HasNoResults("Google", "bird+widgets");
  scenario.FaultFor("Google", "bird+widgets", 1);

  const std::string json = sim::ScenarioToJson(scenario);
  const sim::ScenarioLoad again = sim::ParseScenario(json);
  if (!again.scenario) std::fprintf(stderr, "fuzz: %s\n%s\n", again.error.c_str(), json.c_str());
  Require(again.scenario.has_value(), "a written scenario reads again");
  Require(sim::ScenarioToJson(*again.scenario) == json, "a written scenario reads back equal");
  return 0;
}
