// The built-in demo world: the demo domain found on the first result page for
// one keyword, on the second and third for others, nowhere for the last; one
// engine never has results and one never answers, so every state of the
// ranking grid shows up in a first run.
#include "engines/EngineCatalogue.h"
#include "sim/Scenario.h"

namespace kestrova::sim {

namespace {

constexpr std::string_view kFoundOnFirstPage = "rank checker";
constexpr std::string_view kFoundOnSecondPage = "website ranking";
constexpr std::string_view kFoundOnThirdPage = "search engine position";
// "site promotion" is placed nowhere: the domain is not found for it.
constexpr std::string_view kEngineWithoutResults = "Yahoo";
constexpr std::string_view kEngineThatTimesOut = "HotBot";

}  // namespace

Scenario DemoScenario() {
  Scenario scenario;
  const EngineCatalogue& catalogue = Catalogue();
  for (int index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const std::string& name = catalogue.At(static_cast<Integer>(index)).Name;
    if (name == kEngineWithoutResults || name == kEngineThatTimesOut) continue;
    // The www form on most engines; a sub-page of another host under the domain
    // on every third, which the position search finds by the part after "www.".
    std::string url = index % 3 == 2 ? "http://shop.kestrova-demo.com/catalogue/index.html"
                                     : "http://" + std::string(kDemoDomain) + "/";
    scenario.placements.push_back(
        {name, std::string(kFoundOnFirstPage), 1 + (index * 3) % 10, url});
    scenario.placements.push_back(
        {name, std::string(kFoundOnSecondPage), 11 + (index * 7) % 10, url});
    scenario.placements.push_back(
        {name, std::string(kFoundOnThirdPage), 21 + (index * 9) % 10, url});
  }
  scenario.noResults.push_back({std::string(kEngineWithoutResults), std::string(kAnyName)});
  Fault silence;
  silence.engine = kEngineThatTimesOut;
  silence.kind = FaultKind::Silence;
  silence.milliseconds = 120000;
  scenario.faults.push_back(silence);
  return scenario;
}

}  // namespace kestrova::sim
