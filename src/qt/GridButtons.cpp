#include "qt/GridButtons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "qt/QtText.h"

namespace kestrova {

GridButtons::GridButtons(MainFormModel& form, RankingGridView& ranking, TopUrlsGridView& topUrls,
                         QWidget* parent)
    : QWidget(parent),
      form_(form),
      ranking_(ranking),
      topUrls_(topUrls),
      collapse_(new QPushButton("Co&llapse", this)),
      expand_(new QPushButton("Ex&pand", this)),
      countCaption_(new QLabel("Cells with this URL:", this)),
      count_(new QLabel(this)) {
  collapse_->setObjectName("cmdCollapseTopUrls");
  collapse_->setToolTip("Narrow the columns of the grid shown");
  expand_->setObjectName("cmdExpandTopUrls");
  expand_->setToolTip("Widen the columns of the grid shown to their texts");
  count_->setObjectName("lblNumTotal");
  countCaption_->setBuddy(&topUrls_);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 0, 4, 0);
  layout->addWidget(countCaption_);
  layout->addWidget(count_);
  layout->addSpacing(12);
  layout->addWidget(collapse_);
  layout->addWidget(expand_);

  connect(collapse_, &QPushButton::clicked, this, [this] {
    GridView& shown = ShownView();
    form_.cmdCollapseTopUrls_Click();
    shown.setFocus();
  });
  connect(expand_, &QPushButton::clicked, this, [this] {
    GridView& shown = ShownView();
    form_.cmdExpandTopUrls_Click();
    // Expand counts characters; texts wider than that in this font still fit.
    shown.WidenToTexts();
    shown.setFocus();
  });
  connect(&topUrls_, &TopUrlsGridView::Counted, this, &GridButtons::ShowCount);
  if (auto* model = qobject_cast<GridTableModel*>(topUrls_.model())) {
    connect(model, &GridTableModel::Refreshed, this, &GridButtons::ShowCount);
  }
  // The counter belongs to the top-URLs grid and shows only with it.
  topUrls_.installEventFilter(this);
  ShowCount();
}

GridView& GridButtons::ShownView() const {
  return form_.rankingGridVisible ? static_cast<GridView&>(ranking_) : topUrls_;
}

void GridButtons::ShowCount() {
  count_->setText(ToQt(form_.lblNumTotal.caption));
  const bool shown = !topUrls_.isHidden();
  countCaption_->setVisible(shown);
  count_->setVisible(shown);
}

bool GridButtons::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &topUrls_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
    ShowCount();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kestrova
