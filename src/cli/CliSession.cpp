#include "cli/CliSession.h"

#include <algorithm>

#include "cli/ProjectOpen.h"
#include "engines/EngineCatalogue.h"
#include "net/UrlSplit.h"

namespace kestrova::cli {

CliSession::CliSession(std::string path, Dialogs& dialogs, const Clock& clock)
    : form(project, dialogs, Catalogue(), clock),
      ranking(Catalogue()),
      topUrls(Catalogue()),
      path_(std::move(path)) {}

Status CliSession::Open(std::ostream& err) {
  if (Status read = OpenProjectFile(path_, project, err); !read) return read;
  form.WriteControls();
  std::string copy = path_, name;
  SplitFileName(copy, name);
  project.ProjectFileName = name;
  ranking.SetupRankingGrid();
  topUrls.SetupTopUrlsGrid();
  RefreshKeywordList();
  return Status::Ok();
}

Status CliSession::Save() {
  Status saved = form.SaveProject(path_);
  if (saved) form.MarkSaved();
  return saved;
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
