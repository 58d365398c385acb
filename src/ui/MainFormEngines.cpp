// The two engine lists, "All Sites" and "Selected Sites", and the buttons and
// double-clicks that move names between them.
#include "ui/MainFormModel.h"

namespace kestrova {
namespace {

// Moves the chosen name of `from` to the end of `to`; false when none is chosen.
bool MoveChosen(ListBox& from, ListBox& to) {
  const int row = from.listIndex;
  if (row < 0 || row >= static_cast<int>(from.items.size())) return false;
  to.items.push_back(from.items[static_cast<std::size_t>(row)]);
  from.items.erase(from.items.begin() + row);
  from.listIndex = to.listIndex = -1;
  return true;
}

}  // namespace

void MainFormModel::cmdSendOne_Click() {
  if (MoveChosen(lstSites[kAllSites], lstSites[kSelectedSites])) MarkModified();
}

void MainFormModel::cmdBackOne_Click() {
  if (MoveChosen(lstSites[kSelectedSites], lstSites[kAllSites])) MarkModified();
}

void MainFormModel::cmdSendAll_Click() {
  ListBox& all = lstSites[kAllSites];
  ListBox& chosen = lstSites[kSelectedSites];
  if (all.items.empty()) return;
  MarkModified();
  // In the order the list shows them, which is the order the run checks them.
  chosen.items.insert(chosen.items.end(), all.items.begin(), all.items.end());
  all.items.clear();
  all.listIndex = chosen.listIndex = -1;
}

void MainFormModel::cmdBackAll_Click() {
  ListBox& all = lstSites[kAllSites];
  ListBox& chosen = lstSites[kSelectedSites];
  if (chosen.items.empty()) return;
  MarkModified();
  chosen.items.clear();
  // Every catalogue engine is offered again, even one missing from both lists.
  ProjectState lists;
  lists.AvailableEngines = std::move(all.items);
  SyncEngineLists(lists, catalogue);
  all.items = std::move(lists.AvailableEngines);
  all.listIndex = chosen.listIndex = -1;
}

void MainFormModel::lstSites_DblClick(int index) {
  if (index == kAllSites) {
    cmdSendOne_Click();
  } else if (index == kSelectedSites) {
    cmdBackOne_Click();
  }
}

}  // namespace kestrova
