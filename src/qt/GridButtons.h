// The buttons and the counter beside the grids: cmdCollapseTopUrls and
// cmdExpandTopUrls narrow or widen the columns of whichever grid shows, and
// lblNumTotal shows how many cells hold the highlighted URL while the
// top-URLs grid shows.
#pragma once

#include <QWidget>

#include "qt/RankingGridView.h"
#include "qt/TopUrlsGridView.h"

class QLabel;
class QPushButton;

namespace kestrova {

class GridButtons final : public QWidget {
  Q_OBJECT

 public:
  GridButtons(MainFormModel& form, RankingGridView& ranking, TopUrlsGridView& topUrls,
              QWidget* parent);

  QPushButton& Collapse() const { return *collapse_; }
  QPushButton& Expand() const { return *expand_; }
  QLabel& Count() const { return *count_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  GridView& ShownView() const;
  void ShowCount();

  MainFormModel& form_;
  RankingGridView& ranking_;
  TopUrlsGridView& topUrls_;
  QPushButton* collapse_;
  QPushButton* expand_;
  QLabel* countCaption_;
  QLabel* count_;
};

}  // namespace kestrova
