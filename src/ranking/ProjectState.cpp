#include "ranking/ProjectState.h"

#include <algorithm>
#include <unordered_set>

#include "engines/EngineCatalogue.h"

namespace kestrova {
namespace {

bool Contains(const std::vector<std::string>& list, std::string_view name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

bool IsNoProjectFile(std::string_view name) {
  return name.empty() || name == kNoProjectFile || name == "<none>";
}

int FindRankingRecord(const ProjectState& project, std::string_view keyword,
                      std::string_view engine) {
  const auto& records = project.Rankings;
  for (size_t i = 0; i < records.size(); ++i) {
    const RankingRecord& record = records[i];
    if (record.IsFree() || (record.Keyword == keyword && record.Engine == engine)) {
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

int FreeKeywordRecords(ProjectState& project, std::string_view keyword) {
  int freed = 0;
  for (RankingRecord& record : project.Rankings) {
    if (record.Keyword != keyword) continue;
    record.Keyword.clear();
    if (!record.TopUrls[0].empty()) record.TopUrls.fill(std::string());
    ++freed;
  }
  return freed;
}

std::vector<std::string> RankingKeywords(const ProjectState& project) {
  // One pass with a set of the keywords seen: a project holds up to 32,767
  // distinct keywords, and a search of the list for each would cost their square.
  std::vector<std::string> keywords;
  std::unordered_set<std::string_view> seen;
  for (const RankingRecord& record : project.Rankings) {
    if (!record.IsFree() && seen.insert(record.Keyword).second) {
      keywords.push_back(record.Keyword);
    }
  }
  return keywords;
}

void ClearRecordLists(ProjectState& project) {
  project.Rankings.clear();
  project.ReservedListOne.clear();
  project.ReservedListTwo.clear();
  project.PageAnalyses.clear();
  project.ReservedListThree.clear();
}

void SyncEngineLists(ProjectState& project, const EngineCatalogue& catalogue) {
  for (Integer index = 0; index <= catalogue.LastEngineIndex; ++index) {
    const std::string& name = catalogue.At(index).Name;
    if (!Contains(project.AvailableEngines, name) && !Contains(project.SelectedEngines, name)) {
      project.AvailableEngines.push_back(name);
    }
  }
}

void MarkModified(ProjectState& project, std::string_view title, std::string& caption) {
  if (project.Loading) return;
  project.Modified = true;
  caption = std::string(title) + " - ";
  if (IsNoProjectFile(project.ProjectFileName)) {
    caption += kNoProjectFile;
  } else {
    caption += "<" + project.ProjectFileName + ">";
  }
}

void MarkSaved(ProjectState& project, std::string_view title, std::string& caption) {
  project.Modified = false;
  caption = std::string(title) + " - " + project.ProjectFileName;
}

}  // namespace kestrova
