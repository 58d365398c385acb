// The keyword box: adding, deleting (its records become free records),
// clearing all rankings, choosing the keyword the grids show, and the domain
// box's refusal while rankings of that domain exist.
#include <algorithm>

#include "base/Text.h"
#include "ranking/RunRanking.h"
#include "ui/Dialogs.h"
#include "ui/FormTexts.h"
#include "ui/MainFormModel.h"

namespace kestrova {
namespace {

// The keyword text keeps its lines apart with CR LF, as the project file does.
std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += texts::kLineBreak;
    text += lines[i];
  }
  return text;
}

void AddLine(TextBox& keywords, const std::string& keyword) {
  std::vector<std::string> lines = KeywordLines(keywords.text);
  if (std::find(lines.begin(), lines.end(), keyword) != lines.end()) return;
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  lines.push_back(keyword);
  keywords.text = JoinLines(lines);
}

void RemoveLines(TextBox& keywords, const std::string& keyword) {
  std::vector<std::string> lines = KeywordLines(keywords.text);
  const auto kept = std::remove(lines.begin(), lines.end(), keyword);
  if (kept == lines.end()) return;
  lines.erase(kept, lines.end());
  keywords.text = JoinLines(lines);
}

}  // namespace

void MainFormModel::cmbKeyWords_Click(int index) {
  ComboBox& box = cmbKeyWords[kKeywordBox];
  if (index < 0 || index >= static_cast<int>(box.items.size())) {
    box.listIndex = -1;
    selected.reset();
  } else {
    box.listIndex = index;
    box.text = box.items[static_cast<std::size_t>(index)];
    selected = box.text;
  }
  RedrawGrids();
}

bool MainFormModel::HasKeyword(const std::string& keyword) const {
  return cmbKeyWords[kKeywordBox].items.Contains(keyword);
}

void MainFormModel::AddRecordKeywords() {
  ItemList& items = cmbKeyWords[kKeywordBox].items;
  for (const std::string& keyword : RankingKeywords(project)) items.AddUnlessListed(keyword);
}

void MainFormModel::LoadKeywordCombos(const std::string& lastRunKeyword) {
  ComboBox& box = cmbKeyWords[kKeywordBox];
  box.items.Assign(RankingKeywords(project));
  box.listIndex = -1;
  box.text = std::string(kNoProjectFile);
  if (box.items.empty()) {
    cmbKeyWords_Click(-1);
    return;
  }
  const int last = box.items.Find(lastRunKeyword);
  cmbKeyWords_Click(last < 0 ? 0 : last);
}

void MainFormModel::SelectOrAddKeyword(const std::string& keyword) {
  // An entry is one keyword: of a text of several lines only the first counts.
  const std::string line = FirstKeywordLine(keyword);
  if (line.empty()) return;
  cmbKeyWords_Click(cmbKeyWords[kKeywordBox].items.AddUnlessListed(line));
}

void MainFormModel::ReselectKeyword(const std::string& keyword) {
  // Keywords the run has made records for join the list.
  AddRecordKeywords();
  cmbKeyWords_Click(-1);
  const int found = cmbKeyWords[kKeywordBox].items.Find(keyword);
  if (found >= 0) cmbKeyWords_Click(found);
}

void MainFormModel::cmdAddKeyword_Click() {
  ComboBox& box = cmbKeyWords[kKeywordBox];
  const std::string keyword = TrimSpaces(box.text);
  if (keyword.empty()) {
    dialogs.ShowMessage(texts::kTypeKeywordFirst, texts::kFormTitle, MessageButtons::Ok,
                        MessageIcon::None);
    focus = FormFocus::KeywordBox;
    return;
  }
  if (box.items.Contains(keyword)) {
    dialogs.ShowMessage(texts::kKeywordExists, texts::kFormTitle, MessageButtons::Ok,
                        MessageIcon::None);
    return;
  }
  box.items.Add(keyword);
  AddLine(txtKeywords, keyword);
  cmbKeyWords_Click(box.items.Find(keyword));
  MarkModified();
}

void MainFormModel::cmdDelKeyword_Click() {
  focus = FormFocus::VisibleGrid;
  ComboBox& box = cmbKeyWords[kKeywordBox];
  if (box.items.empty()) return;
  const int place = box.listIndex;
  const std::string keyword =
      place >= 0 && place < static_cast<int>(box.items.size()) ? box.items[place] : box.text;
  const std::string question = texts::kDeleteKeywordAsk + keyword + "'?";
  if (dialogs.ShowMessage(question, texts::kDeleteKeywordTitle, MessageButtons::YesNoCancel,
                          MessageIcon::Question) != MessageAnswer::Yes) {
    return;
  }
  FreeKeywordRecords(project, keyword);
  RemoveLines(txtKeywords, keyword);
  const int listed = box.items.Find(keyword);
  if (listed >= 0) box.items.RemoveAt(static_cast<std::size_t>(listed));
  if (box.items.empty()) {
    // Every record is free now; with none left the domain may change again.
    project.Rankings.clear();
    box.text.clear();
    cmbKeyWords_Click(-1);
    SetupGrids();
  } else {
    cmbKeyWords_Click(0);
  }
  MarkModified();
}

void MainFormModel::cmdClearAllKeywords_Click() {
  ComboBox& box = cmbKeyWords[kKeywordBox];
  // Records left with no keyword listed still lock the domain: they clear too.
  if ((box.items.empty() && project.Rankings.empty()) ||
      dialogs.ShowMessage(texts::kClearAllAsk, texts::kClearAllTitle, MessageButtons::YesNoCancel,
                          MessageIcon::Question) != MessageAnswer::Yes) {
    focus = FormFocus::VisibleGrid;
    return;
  }
  openPath = std::string(kNoProjectFile);
  project.ProjectFileName = std::string(kNoProjectFile);
  ClearRecordLists(project);
  box.items.Clear();
  box.text.clear();
  cmbKeyWords_Click(-1);
  MarkModified();
  SetupGrids();
}

bool MainFormModel::txtDomain_KeyPress(int key) {
  if (!DomainLocked() || key == texts::kCopyKey) return true;
  dialogs.ShowMessage(texts::kDomainLocked, texts::kFormTitle, MessageButtons::Ok,
                      MessageIcon::None);
  return false;
}

}  // namespace kestrova
