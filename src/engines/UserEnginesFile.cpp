// Field by field, the first problem of an engine is its message.
#include "engines/UserEnginesFile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>
#include <set>

#include "base/Codepage.h"
#include "base/Text.h"
#include "engines/Placeholders.h"
#include "engines/ResultLinkRule.h"
#include "engines/ResultPage.h"

namespace kestrova {
namespace {

using nlohmann::json;

constexpr std::size_t kLongestName = 64;
constexpr std::size_t kLongestHost = 253;
constexpr std::size_t kLongestText = 1000;

const std::set<std::string> kFields = {
    "name",        "language",   "country",         "scheme",
    "host",        "port",       "query_templates", "increment_offset",
    "post",        "user_agent", "no_results_text", "results_start_texts",
    "result_links"};
const std::set<std::string> kRequired = {
    "name",        "language",        "country",          "scheme",
    "host",        "query_templates", "increment_offset", "no_results_text",
    "result_links"};

// Stops the checks of one engine with its first problem.
struct Problem {
  std::string field;
  std::string text;
};

bool HasControl(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 32 || byte == 127;
  });
}

const std::string& Text(const json& value, const char* field, std::size_t longest = kLongestText) {
  if (!value.is_string()) throw Problem{field, "must be a text"};
  const std::string& text = value.get_ref<const std::string&>();
  if (HasControl(text)) throw Problem{field, "must not hold control characters (tab, line breaks)"};
  if (text.size() > longest)
    throw Problem{field, "is longer than " + std::to_string(longest) + " characters"};
  return text;
}

long Number(const json& value, const char* field, long lowest, long highest) {
  if (!value.is_number_integer()) throw Problem{field, "must be a whole number"};
  const long number = value.get<long>();
  if (number < lowest || number > highest) {
    throw Problem{field,
                  "must be from " + std::to_string(lowest) + " to " + std::to_string(highest)};
  }
  return number;
}

void CheckName(const std::string& name, const EngineCatalogue& builtIns,
               const std::set<std::string>& earlier) {
  if (TrimSpaces(name).empty()) throw Problem{"name", "must not be empty"};
  if (TrimSpaces(name) != name) throw Problem{"name", "must not begin or end with a space"};
  if (EngineExists(builtIns, name)) throw Problem{"name", "a built-in engine has this name"};
  if (earlier.count(name) != 0)
    throw Problem{"name", "an earlier engine of the file has this name"};
}

void CheckHost(const std::string& host) {
  if (host.empty()) throw Problem{"host", "must not be empty"};
  if (host.find("://") != std::string::npos)
    throw Problem{"host", "must be the host name alone (the scheme goes in \"scheme\")"};
  const bool ipv6 = host.size() > 2 && host.front() == '[' && host.back() == ']';
  if (!ipv6 && host.find(':') != std::string::npos)
    throw Problem{"host", "must be the host name alone (the port goes in \"port\")"};
  const std::string_view name = ipv6 ? std::string_view(host).substr(1, host.size() - 2) : host;
  const bool usable = std::all_of(name.begin(), name.end(), [ipv6](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_' || (ipv6 && c == ':');
  });
  if (!usable) throw Problem{"host", "may hold only letters, digits, \".\", \"-\" and \"_\""};
}

// Every "%NAME%" that looks like a placeholder must be one the expansion knows.
void CheckPlaceholders(std::string_view path, const std::string& field) {
  if (FindNoCase(path, placeholders::kSearchString) == 0)
    throw Problem{field, "must hold %SEARCH_STRING%, where the keyword goes"};
  for (std::size_t open = path.find('%'); open != std::string_view::npos;) {
    const std::size_t close = path.find('%', open + 1);
    if (close == std::string_view::npos) break;
    const std::string_view name = path.substr(open, close - open + 1);
    const bool word = name.size() > 2 && std::all_of(name.begin() + 1, name.end() - 1, [](char c) {
                        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
                      });
    if (!word) {
      open = close;
      continue;
    }
    const bool known = std::any_of(placeholders::kAll.begin(), placeholders::kAll.end(),
                                   [name](std::string_view p) { return EqualsNoCase(p, name); });
    if (!known) throw Problem{field, "holds the unknown placeholder " + std::string(name)};
    open = path.find('%', close + 1);
  }
}

void ReadTemplates(const json& value, EngineRecord& engine) {
  if (!value.is_array() || value.empty() || value.size() > kQueryTemplateSlots)
    throw Problem{"query_templates", "must be a list of one to five paths"};
  for (std::size_t slot = 0; slot < value.size(); ++slot) {
    const std::string field = "query_templates[" + std::to_string(slot) + "]";
    if (!value[slot].is_string()) throw Problem{field, "must be a text"};
    const std::string& path = value[slot].get_ref<const std::string&>();
    if (!path.starts_with('/')) throw Problem{field, "must begin with \"/\""};
    if (HasControl(path) || path.find(' ') != std::string::npos)
      throw Problem{field, "must not hold spaces or control characters (write + or %20)"};
    CheckPlaceholders(path, field);
    engine.QueryTemplates[slot] = path;
  }
  // The last template given serves every later page.
  for (std::size_t slot = value.size(); slot < kQueryTemplateSlots; ++slot)
    engine.QueryTemplates[slot] = engine.QueryTemplates[value.size() - 1];
}

void ReadStartTexts(const json& value, EngineRecord& engine) {
  if (!value.is_array() || value.size() > kResultsStartSlots)
    throw Problem{"results_start_texts", "must be a list of at most three texts"};
  for (std::size_t slot = 0; slot < value.size(); ++slot) {
    const std::string& text = Text(value[slot], "results_start_texts");
    if (text.empty()) throw Problem{"results_start_texts", "must not hold an empty text"};
    engine.ResultsStartTexts[slot] = text;
  }
}

EngineRecord ReadEngine(const json& entry, const EngineCatalogue& builtIns,
                        const std::set<std::string>& earlier) {
  if (!entry.is_object()) throw Problem{"", "must be an object with the engine's fields"};
  for (const auto& [field, value] : entry.items()) {
    if (kFields.count(field) == 0) throw Problem{field, "is not a field of an engine"};
  }
  for (const std::string& field : kRequired) {
    if (!entry.contains(field)) throw Problem{field, "is missing"};
  }
  EngineRecord engine;
  engine.UserDefined = true;
  // Names and the texts shown beside them become the program's single-byte text;
  // page texts stay the bytes the file holds, as today's pages are UTF-8.
  engine.Name = Utf8ToCp1252(Text(entry["name"], "name", kLongestName));
  CheckName(engine.Name, builtIns, earlier);
  engine.Language = Utf8ToCp1252(Text(entry["language"], "language", kLongestName));
  engine.Country = Utf8ToCp1252(Text(entry["country"], "country", kLongestName));
  const std::string& scheme = Text(entry["scheme"], "scheme");
  if (scheme != "http" && scheme != "https")
    throw Problem{"scheme", "must be \"http\" or \"https\""};
  engine.UseTls = scheme == "https";
  engine.Host = Text(entry["host"], "host", kLongestHost);
  CheckHost(engine.Host);
  if (entry.contains("port"))
    engine.Port = static_cast<std::uint16_t>(Number(entry["port"], "port", 1, 65535));
  ReadTemplates(entry["query_templates"], engine);
  engine.IncrementOffset = static_cast<Integer>(
      Number(entry["increment_offset"], "increment_offset", kIntegerMin, kIntegerMax));
  if (entry.contains("post")) {
    if (!entry["post"].is_boolean()) throw Problem{"post", "must be true or false"};
    engine.UsePost = entry["post"].get<bool>();
  }
  if (entry.contains("user_agent")) engine.UserAgent = Text(entry["user_agent"], "user_agent");
  engine.NoResultsText = Text(entry["no_results_text"], "no_results_text");
  if (entry.contains("results_start_texts")) ReadStartTexts(entry["results_start_texts"], engine);
  // Without texts of its own the result list begins at the first marked link.
  if (engine.ResultsStartTexts[0].empty()) engine.ResultsStartTexts[0] = kPointMarker;
  engine.ResultLinks = Text(entry["result_links"], "result_links");
  if (std::string why = CheckResultLinkRule(engine.ResultLinks); !why.empty())
    throw Problem{"result_links", why};
  engine.CountSeparator = " ";
  return engine;
}

// "line 3, column 7" for a 0-based byte offset.
std::string LineAndColumn(std::string_view bytes, std::size_t offset) {
  offset = std::min(offset, bytes.size());
  const std::string_view before = bytes.substr(0, offset);
  const auto line = std::count(before.begin(), before.end(), '\n') + 1;
  const std::size_t lineStart = before.rfind('\n');
  const std::size_t column = offset - (lineStart == std::string_view::npos ? 0 : lineStart + 1);
  return "line " + std::to_string(line) + ", column " + std::to_string(column + 1);
}

std::string EngineLabel(std::size_t index, const json& entry) {
  std::string label = "engine " + std::to_string(index + 1);
  if (entry.is_object() && entry.contains("name") && entry["name"].is_string())
    label += " (\"" + Utf8ToCp1252(entry["name"].get<std::string>()) + "\")";
  return label;
}

}  // namespace

UserEnginesLoad ParseUserEngines(std::string_view bytes, const EngineCatalogue& builtIns) {
  UserEnginesLoad load;
  json document;
  try {
    document = json::parse(bytes.begin(), bytes.end());
  } catch (const json::parse_error& error) {
    load.problems.push_back("not valid JSON (" +
                            LineAndColumn(bytes, error.byte == 0 ? 0 : error.byte - 1) + ")");
    return load;
  } catch (const json::out_of_range&) {
    // A number past a double's range ("1E999") ends the parse without a place.
    load.problems.push_back("not valid JSON (a number out of range)");
    return load;
  }
  if (!document.is_object() || !document.contains("engines") || !document["engines"].is_array()) {
    load.problems.push_back("the file must hold an object with an \"engines\" list");
    return load;
  }
  for (const auto& [field, value] : document.items()) {
    if (field != "engines") load.problems.push_back("\"" + field + "\" is not a field of the file");
  }
  std::set<std::string> names;
  const json& entries = document["engines"];
  for (std::size_t index = 0; index < entries.size(); ++index) {
    try {
      EngineRecord engine = ReadEngine(entries[index], builtIns, names);
      if (load.engines.size() >= kMaxUserEngines) {
        load.problems.push_back(EngineLabel(index, entries[index]) + ": more than " +
                                std::to_string(kMaxUserEngines) + " engines; left out");
        continue;
      }
      names.insert(engine.Name);
      load.engines.push_back(std::move(engine));
    } catch (const Problem& problem) {
      std::string line = EngineLabel(index, entries[index]) + ": ";
      line +=
          problem.field.empty() ? problem.text : "field \"" + problem.field + "\" " + problem.text;
      load.problems.push_back(std::move(line));
    }
  }
  return load;
}

CatalogueLoad CatalogueWithUserEngines(std::string_view engineFileBytes) {
  CatalogueLoad load;
  BuildEngineCatalogue(load.catalogue);
  UserEnginesLoad users = ParseUserEngines(engineFileBytes, load.catalogue);
  for (EngineRecord& engine : users.engines) AddUserEngine(load.catalogue, std::move(engine));
  load.problems = std::move(users.problems);
  return load;
}

}  // namespace kestrova
