#include "qt/GridMenu.h"

#include "app/GridRedo.h"
#include "app/ReportViews.h"
#include "qt/QtText.h"

namespace kestrova {
namespace {

// A caption shown as it is: Qt would take a lone "&" for a mnemonic.
QString Literal(const std::string& caption) {
  return ToQt(caption).replace('&', "&&");
}

}  // namespace

GridMenu::GridMenu(Application& app, GridViewHooks hooks, QWidget* parent)
    : QMenu(parent), app_(app), hooks_(std::move(hooks)) {
  setObjectName("mnuGridMenu");
  MainFormModel& form = app_.form;
  ui::RankingGrid& grid = form.ranking;
  auto item = [this](const char* name, const char* caption, auto action) {
    QAction* added = addAction(caption, this, action);
    added->setObjectName(name);
    return added;
  };
  redo_ = item("mnuGridMenuRedo", "Redo", [this] { Redone(); });
  jumpToUrl_ = item("mnuGridMenuJumpToUrl", "Jump to URL : ", [this, &grid] {
    grid.JumpToUrl(jumpCaption_, app_.dialogs);
  });
  jumpToResults_ = item("mnuGridMenuJumpToResults", "Jump To Results", [this, &form, &grid] {
    grid.JumpToResults(app_.project, form.selected, form.cmbKeyWords[kKeywordBox].items.empty(),
                       app_.dialogs);
  });
  // The doubled "&" shows as one, in Qt as it always has.
  item("mnuGridMenuGenerateReport", "Generate && View Report For Current Table", [this, &form] {
    ViewReportFromMenu(form, ReportChoice::CurrentTable);
    if (hooks_.showStatus) hooks_.showStatus();
  });
  addSeparator();
  item("mnuGridMenuSort0", "Sort Column Ascending", [&grid] { grid.SortCurrentColumn(true); });
  item("mnuGridMenuSort1", "Sort Column Descending", [&grid] { grid.SortCurrentColumn(false); });
  addSeparator();
  item("mnuGridMenuHideColumn", "Hide Column", [&grid] { grid.HideColumn(); });
  unHide_ = item("mnuGridMenuUnHideColumns", "Un-Hide Columns", [&grid] { grid.UnHideColumns(); });
}

void GridMenu::PopUp(const ui::GridMenuState& state, QPoint globalPos) {
  if (isVisible()) return;  // the keyboard may ask twice for one key
  const bool running = app_.rank.Controller().State().RunInProgress;
  redo_->setEnabled(state.redoEnabled && !running);
  jumpCaption_ = state.jumpToUrlCaption;
  jumpToUrl_->setText(Literal(jumpCaption_));
  jumpToUrl_->setEnabled(state.jumpToUrlEnabled);
  jumpToResults_->setEnabled(state.jumpToResultsEnabled);
  unHide_->setEnabled(state.unHideEnabled);
  popup(globalPos);
}

void GridMenu::Redone() {
  // The run shows in the window as a Rank's does, and when it ends the whole
  // form shows what it changed.
  if (RedoFailedEngines(app_) && hooks_.showForm) hooks_.showForm();
}

}  // namespace kestrova
