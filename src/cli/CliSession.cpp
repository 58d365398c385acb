#include "cli/CliSession.h"

#include <algorithm>

#include "net/UrlSplit.h"

namespace kestrova::cli {

CliSession::CliSession(std::string path, Dialogs& dialogs, const Clock& clock,
                       const EngineCatalogue& catalogue)
    : form(project, dialogs, catalogue, clock),
      ranking(catalogue),
      topUrls(catalogue),
      path_(std::move(path)) {}

bool CliSession::Open() {
  if (!form.LoadProject(path_)) return false;
  std::string copy = path_, name;
  SplitFileName(copy, name);
  project.ProjectFileName = name;
  ranking.SetupRankingGrid();
  topUrls.SetupTopUrlsGrid();
  RefreshKeywordList();
  return true;
}

bool CliSession::Save(std::string& error) {
  if (!form.SaveProject(path_, &error)) return false;
  form.MarkSaved();
  return true;
}

bool CliSession::HasKeyword(const std::string& keyword) const {
  const auto& items = form.cmbKeyWords[kKeywordBox].items;
  return std::find(items.begin(), items.end(), keyword) != items.end();
}

void CliSession::RefreshKeywordList() {
  for (const std::string& keyword : RankingKeywords(project)) {
    if (!HasKeyword(keyword)) form.cmbKeyWords[kKeywordBox].items.push_back(keyword);
  }
}

void CliSession::Select(const ui::SelectedKeyword& keyword) {
  ComboBox& box = form.cmbKeyWords[kKeywordBox];
  selected.reset();
  box.listIndex = -1;
  if (!keyword) return;
  const auto found = std::find(box.items.begin(), box.items.end(), *keyword);
  if (found == box.items.end()) return;
  box.listIndex = static_cast<int>(found - box.items.begin());
  box.text = *keyword;
  selected = keyword;
  ranking.DisplayRankingData(project, selected);
  topUrls.DisplayTopUrlsData(project, selected);
}

std::optional<Date> ParseClockOption(const std::string& text) {
  Date date;
  if (!ParseFileDate("#" + text + "#", date)) return std::nullopt;
  return date;
}

}  // namespace kestrova::cli
