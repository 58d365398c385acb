// mnuGridMenu, the ranking grid's pop-up menu: "Redo" (the failed engines
// again, shown as a run), "Jump to URL :", "Jump To Results", the ranking
// report of the table as shown, the two sorts, "Hide Column" and
// "Un-Hide Columns". The four items the menu once held without any action
// are left out. Each item is a QAction with the menu item's name as its
// object name (mnuGridMenuRedo ...).
#pragma once

#include <QMenu>
#include <string>

#include "app/Application.h"
#include "qt/GridView.h"

namespace kestrova {

class GridMenu final : public QMenu {
  Q_OBJECT

 public:
  GridMenu(Application& app, GridViewHooks hooks, QWidget* parent);

  // Sets the items as `state` says (Redo also off during a run) and pops the
  // menu up at `globalPos`, without waiting for a choice.
  void PopUp(const ui::GridMenuState& state, QPoint globalPos);

  QAction& Redo() const { return *redo_; }
  QAction& JumpToUrl() const { return *jumpToUrl_; }

 private:
  void Redone();

  Application& app_;
  GridViewHooks hooks_;
  std::string jumpCaption_;  // the model's caption; the action's text doubles its "&"
  QAction* redo_ = nullptr;
  QAction* jumpToUrl_ = nullptr;
  QAction* jumpToResults_ = nullptr;
  QAction* unHide_ = nullptr;
};

}  // namespace kestrova
