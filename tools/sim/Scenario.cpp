// Scenario lookups and their JSON form.
#include "sim/Scenario.h"

#include <nlohmann/json.hpp>

#include "base/Codepage.h"
#include "net/UrlCoding.h"

namespace kestrova::sim {

namespace {

using nlohmann::json;

bool NameMatches(std::string_view pattern, std::string_view name) {
  return pattern == kAnyName || pattern == name;
}

// Scenario keywords are written as a user types them; requests carry them encoded.
bool KeywordMatches(std::string_view pattern, std::string_view encodedKeyword) {
  return pattern == kAnyName || EncodeSearchText(pattern) == encodedKeyword;
}

constexpr std::pair<FaultKind, std::string_view> kFaultNames[] = {
    {FaultKind::Latency, "latency"},   {FaultKind::Silence, "silence"},
    {FaultKind::Reset, "reset"},       {FaultKind::Redirect, "redirect"},
    {FaultKind::Oversize, "oversize"}, {FaultKind::SecondStatus, "second-status"}};

constexpr int kDefaultSilenceMs = 120000;
constexpr long kDefaultOversizeBytes = 200000;
constexpr int kLongestWaitMs = 600000;
constexpr long kLargestPage = 64L * 1024 * 1024;

// Reads an optional text member; false (with a message) when it is not text.
bool ReadText(const json& object, const char* key, std::string& value, std::string& error) {
  if (!object.contains(key)) return true;
  if (!object[key].is_string()) {
    error = std::string("\"") + key + "\" must be a text";
    return false;
  }
  value = Utf8ToCp1252(object[key].get<std::string>());
  return true;
}

bool ReadNumber(const json& object, const char* key, long low, long high, long& value,
                std::string& error) {
  if (!object.contains(key)) return true;
  if (!object[key].is_number_integer() || object[key].get<long long>() < low ||
      object[key].get<long long>() > high) {
    error = std::string("\"") + key + "\" must be a whole number from " + std::to_string(low) +
            " to " + std::to_string(high);
    return false;
  }
  value = static_cast<long>(object[key].get<long long>());
  return true;
}

bool ReadPlacement(const json& item, Placement& placement, std::string& error) {
  std::string domain;
  long rank = 0;
  if (!ReadText(item, "engine", placement.engine, error) ||
      !ReadText(item, "keyword", placement.keyword, error) ||
      !ReadText(item, "url", placement.url, error) || !ReadText(item, "domain", domain, error) ||
      !ReadNumber(item, "rank", 1, 10L * kMaxScenarioPages, rank, error)) {
    return false;
  }
  if (rank == 0) {
    error = "a placement needs a \"rank\"";
    return false;
  }
  if (placement.url.empty() && domain.empty()) {
    error = "a placement needs a \"url\" or a \"domain\"";
    return false;
  }
  if (placement.url.empty()) placement.url = "http://" + domain + "/";
  if (placement.url.find_first_of(" \"'<>\r\n") != std::string::npos) {
    error = "a placed url must not hold spaces, quotes or angle brackets";
    return false;
  }
  placement.rank = static_cast<int>(rank);
  return true;
}

bool ReadFault(const json& item, Fault& fault, std::string& error) {
  std::string kindName;
  long page = 0;
  long milliseconds = -1;
  long bytes = -1;
  if (!ReadText(item, "engine", fault.engine, error) ||
      !ReadText(item, "keyword", fault.keyword, error) ||
      !ReadText(item, "kind", kindName, error) ||
      !ReadNumber(item, "page", 0, kMaxScenarioPages, page, error) ||
      !ReadNumber(item, "ms", 0, kLongestWaitMs, milliseconds, error) ||
      !ReadNumber(item, "bytes", 0, kLargestPage, bytes, error)) {
    return false;
  }
  std::optional<FaultKind> kind = FaultKindFromName(kindName);
  if (!kind) {
    error = "unknown fault kind \"" + kindName +
            "\" (latency, silence, reset, redirect, oversize, second-status)";
    return false;
  }
  fault.kind = *kind;
  fault.page = static_cast<int>(page);
  fault.milliseconds = static_cast<int>(
      milliseconds >= 0 ? milliseconds : (*kind == FaultKind::Silence ? kDefaultSilenceMs : 0));
  fault.bytes = bytes >= 0 ? bytes : (*kind == FaultKind::Oversize ? kDefaultOversizeBytes : 0);
  return true;
}

// Runs `read` over every object of the array member `key`.
template <typename Item, typename Reader>
bool ReadList(const json& root, const char* key, std::vector<Item>& items, Reader read,
              std::string& error) {
  if (!root.contains(key)) return true;
  if (!root[key].is_array()) {
    error = std::string("\"") + key + "\" must be a list";
    return false;
  }
  for (const json& element : root[key]) {
    Item item;
    if (!element.is_object()) {
      error = std::string("every entry of \"") + key + "\" must be an object";
      return false;
    }
    if (!read(element, item, error)) {
      error = std::string(key) + " entry " + std::to_string(items.size() + 1) + ": " + error;
      return false;
    }
    items.push_back(std::move(item));
  }
  return true;
}

}  // namespace

const Placement* Scenario::PlacementAt(std::string_view engine, std::string_view encodedKeyword,
                                       int rank) const {
  for (const Placement& placement : placements) {
    if (placement.rank == rank && NameMatches(placement.engine, engine) &&
        KeywordMatches(placement.keyword, encodedKeyword)) {
      return &placement;
    }
  }
  return nullptr;
}

bool Scenario::HasNoResults(std::string_view engine, std::string_view encodedKeyword) const {
  for (const NoResults& entry : noResults) {
    if (NameMatches(entry.engine, engine) && KeywordMatches(entry.keyword, encodedKeyword)) {
      return true;
    }
  }
  return false;
}

const Fault* Scenario::FaultFor(std::string_view engine, std::string_view encodedKeyword,
                                int page) const {
  for (const Fault& fault : faults) {
    if ((fault.page == 0 || fault.page == page) && NameMatches(fault.engine, engine) &&
        KeywordMatches(fault.keyword, encodedKeyword)) {
      return &fault;
    }
  }
  return nullptr;
}

std::string_view FaultKindName(FaultKind kind) {
  for (const auto& [known, name] : kFaultNames) {
    if (known == kind) return name;
  }
  return "latency";
}

std::optional<FaultKind> FaultKindFromName(std::string_view name) {
  for (const auto& [kind, known] : kFaultNames) {
    if (known == name) return kind;
  }
  return std::nullopt;
}

ScenarioLoad ParseScenario(std::string_view jsonText) {
  ScenarioLoad load;
  json root = json::parse(jsonText.begin(), jsonText.end(), nullptr, false);
  if (root.is_discarded() || !root.is_object()) {
    load.error = "not a JSON object";
    return load;
  }
  Scenario scenario;
  if (root.contains("seed")) {
    if (!root["seed"].is_number_unsigned()) {
      load.error = "\"seed\" must be a whole number of 0 or more";
      return load;
    }
    scenario.seed = root["seed"].get<std::uint64_t>();
  }
  auto readNoResults = [](const json& item, NoResults& entry, std::string& error) {
    return ReadText(item, "engine", entry.engine, error) &&
           ReadText(item, "keyword", entry.keyword, error);
  };
  if (!ReadList(root, "placements", scenario.placements, ReadPlacement, load.error) ||
      !ReadList(root, "no_results", scenario.noResults, readNoResults, load.error) ||
      !ReadList(root, "faults", scenario.faults, ReadFault, load.error)) {
    return load;
  }
  load.scenario = std::move(scenario);
  return load;
}

std::string ScenarioToJson(const Scenario& scenario) {
  json root = json::object();
  root["seed"] = scenario.seed;
  root["placements"] = json::array();
  for (const Placement& placement : scenario.placements) {
    root["placements"].push_back({{"engine", Cp1252ToUtf8(placement.engine)},
                                  {"keyword", Cp1252ToUtf8(placement.keyword)},
                                  {"rank", placement.rank},
                                  {"url", Cp1252ToUtf8(placement.url)}});
  }
  root["no_results"] = json::array();
  for (const NoResults& entry : scenario.noResults) {
    root["no_results"].push_back(
        {{"engine", Cp1252ToUtf8(entry.engine)}, {"keyword", Cp1252ToUtf8(entry.keyword)}});
  }
  root["faults"] = json::array();
  for (const Fault& fault : scenario.faults) {
    root["faults"].push_back({{"engine", Cp1252ToUtf8(fault.engine)},
                              {"keyword", Cp1252ToUtf8(fault.keyword)},
                              {"page", fault.page},
                              {"kind", FaultKindName(fault.kind)},
                              {"ms", fault.milliseconds},
                              {"bytes", fault.bytes}});
  }
  return root.dump(2) + "\n";
}

}  // namespace kestrova::sim
