// What the simulated world does beyond its synthetic index: domains placed at
// given ranks, keywords without results, and faults injected into answers.
// Scenarios are read from JSON (format in docs/simulator.md); its texts are
// UTF-8 and are kept as the program's single-byte text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova::sim {

inline constexpr std::string_view kAnyName = "*";  // matches every engine or keyword
inline constexpr int kMaxScenarioPages = 100;      // result pages a scenario can address

// A result placed at an overall rank of one engine's list for one keyword.
struct Placement {
  std::string engine = std::string(kAnyName);
  std::string keyword = std::string(kAnyName);
  int rank = 1;
  std::string url;  // "http://" + domain + "/" when the file gives only a domain
};

struct NoResults {
  std::string engine = std::string(kAnyName);
  std::string keyword = std::string(kAnyName);
};

enum class FaultKind {
  Latency,       // answer normally after `milliseconds`
  Silence,       // say nothing, close after `milliseconds`
  Reset,         // reset the connection as soon as the request is read
  Redirect,      // 302 to the same path on "mirror." + the engine's host
  Oversize,      // the page padded to `bytes`
  SecondStatus,  // the page, a pause, then a second complete answer
};

struct Fault {
  std::string engine = std::string(kAnyName);
  std::string keyword = std::string(kAnyName);
  int page = 0;  // 1-based result page; 0 = every page
  FaultKind kind = FaultKind::Latency;
  int milliseconds = 0;
  long bytes = 0;
};

struct Scenario {
  std::uint64_t seed = 0;
  std::vector<Placement> placements;
  std::vector<NoResults> noResults;
  std::vector<Fault> faults;

  // Lookups by engine name and the keyword as it stands in the query path
  // (encoded); "*" in the scenario matches anything.
  // The first placement at `rank` for this engine and keyword.
  const Placement* PlacementAt(std::string_view engine, std::string_view encodedKeyword,
                               int rank) const;
  bool HasNoResults(std::string_view engine, std::string_view encodedKeyword) const;
  // The first fault for this engine, keyword and 1-based page.
  const Fault* FaultFor(std::string_view engine, std::string_view encodedKeyword, int page) const;
};

struct ScenarioLoad {
  std::optional<Scenario> scenario;
  std::string error;  // why the text is not a scenario, when it is not
};

ScenarioLoad ParseScenario(std::string_view jsonText);
std::string ScenarioToJson(const Scenario& scenario);

std::string_view FaultKindName(FaultKind kind);
std::optional<FaultKind> FaultKindFromName(std::string_view name);

// The world the simulator starts with when no scenario is given.
inline constexpr std::string_view kDemoDomain = "www.kestrova-demo.com";
Scenario DemoScenario();

}  // namespace kestrova::sim
