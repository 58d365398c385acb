// kestrova-cli info FILE: the project's parameters, engine lists and record count.
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "base/Text.h"
#include "cli/Command.h"
#include "cli/ProjectOpen.h"
#include "engines/EngineCatalogue.h"

namespace kestrova::cli {
namespace {

// Texts for the Name: value lines show their control characters; JSON strings
// carry them exactly (escaped).
using Convert = std::string (*)(const std::string&);

std::vector<std::string> KeywordLines(const std::string& text, Convert convert) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(convert(line));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> Converted(const std::vector<std::string>& names, Convert convert) {
  std::vector<std::string> converted;
  for (const std::string& name : names) converted.push_back(convert(name));
  return converted;
}

std::string LastRun(const ProjectState& p) {
  if (p.LastRunDate == kNeverRun) return "never";
  return TerminalLine(FormatDate(p.LastRunDate, p.DatePreference));
}

int FreeRecords(const ProjectState& p) {
  int free = 0;
  for (const RankingRecord& record : p.Rankings) free += record.IsFree();
  return free;
}

void PrintLines(std::ostream& out, const ProjectState& p) {
  out << "Domain: " << TerminalLine(p.Domain) << "\n"
      << "Contact email: " << TerminalLine(p.ContactEmail) << "\n"
      << "Keywords: " << JoinedWithCommas(KeywordLines(p.KeywordText, TerminalLine)) << "\n"
      << "Available engines: " << JoinedWithCommas(Converted(p.AvailableEngines, TerminalLine))
      << "\n"
      << "Selected engines: " << JoinedWithCommas(Converted(p.SelectedEngines, TerminalLine))
      << "\n"
      << "Time-out: " << p.TimeOutSecs << "\n"
      << "Keyword depth: " << p.KeywordDepth << "\n"
      << "Search depth: " << p.SearchDepth << "\n"
      << "Last run: " << LastRun(p) << "\n"
      << "Report directory: " << TerminalLine(p.ReportDirectory) << "\n"
      << "Date preference: " << p.DatePreference << "\n"
      << "Highlight keywords: " << (p.HighlightKeywords == 1 ? "yes" : "no") << "\n"
      << "Ranking records: " << p.Rankings.size() << "\n"
      << "Free records: " << FreeRecords(p) << "\n"
      << "Ranked keywords: " << JoinedWithCommas(Converted(RankingKeywords(p), TerminalLine))
      << "\n";
}

void PrintJson(std::ostream& out, const ProjectState& p) {
  nlohmann::ordered_json json;
  json["domain"] = JsonText(p.Domain);
  json["contactEmail"] = JsonText(p.ContactEmail);
  json["keywords"] = KeywordLines(p.KeywordText, JsonText);
  json["availableEngines"] = Converted(p.AvailableEngines, JsonText);
  json["selectedEngines"] = Converted(p.SelectedEngines, JsonText);
  json["timeOutSecs"] = p.TimeOutSecs;
  json["keywordDepth"] = p.KeywordDepth;
  json["searchDepth"] = p.SearchDepth;
  json["lastRun"] = p.LastRunDate == kNeverRun ? nlohmann::ordered_json(nullptr)
                                               : nlohmann::ordered_json(LastRun(p));
  json["reportDirectory"] = JsonText(p.ReportDirectory);
  json["datePreference"] = p.DatePreference;
  json["highlightKeywords"] = p.HighlightKeywords == 1;
  json["rankingRecords"] = p.Rankings.size();
  json["freeRecords"] = FreeRecords(p);
  json["rankedKeywords"] = Converted(RankingKeywords(p), JsonText);
  out << json.dump(2) << "\n";
}

CommandRegistration registration{
    "info", "Show a project file's settings and record count", [](CLI::App& sub, CliIo& io) {
      auto file = std::make_shared<std::string>();
      auto json = std::make_shared<bool>(false);
      sub.add_option("file", *file, "The project file (.rnk)")->required();
      sub.add_flag("--json", *json, "Print JSON instead of Name: value lines");
      return [file, json, &io] {
        ProjectState project;
        if (!OpenProjectFile(*file, project, io)) return kExitFailed;
        if (*json) {
          PrintJson(io.out, project);
        } else {
          PrintLines(io.out, project);
        }
        return kExitOk;
      };
    }};

}  // namespace
}  // namespace kestrova::cli
