#include "qt/TopUrlsGridView.h"

#include <QStyledItemDelegate>

namespace kestrova {
namespace {

// Every web link begins with "http://"; in a narrow column that is all that
// shows. The places draw the link from its host on (the cell, its tooltip,
// its hint and the reports keep the whole URL).
class UrlPlaceDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    static const QString scheme = "http://";
    if (index.column() > 0 && option->text.startsWith(scheme) && option->text != scheme) {
      option->text.remove(0, scheme.size());
    }
  }
};

}  // namespace

TopUrlsGridView::TopUrlsGridView(Application& app, GridTableModel& model, GridViewHooks hooks,
                                 QWidget* parent)
    : GridView(app.form, model, std::move(hooks), parent), app_(app) {
  setObjectName("grdTopUrls");
  setItemDelegate(new UrlPlaceDelegate(this));
  // The highlight is the selection here: a selected cell would hide its yellow.
  setSelectionMode(QAbstractItemView::NoSelection);
  connect(this, &QAbstractItemView::clicked, this, [this] {
    if (Live()) Click();
  });
}

void TopUrlsGridView::Click() {
  Form().grdTopUrls_Click();
  emit Counted();
}

void TopUrlsGridView::Pressed(ui::MouseButton, ui::GridPoint point, QPoint) {
  // This grid has no menu: a press of any button only chooses the cell.
  Form().lastGridCell = ui::MouseDown(Grid(), point.x, point.y);
}

std::optional<ui::PointerFeedback> TopUrlsGridView::Hovered(ui::GridCellRef cell) {
  // Also during a run: the URLs stay readable while engines are checked.
  Form().lastGridCell = cell;
  return Form().topUrls.MouseMove(cell);
}

void TopUrlsGridView::DoubleClicked() {
  Form().topUrls.DoubleClick(app_.dialogs);
}

bool TopUrlsGridView::SpaceKey() {
  Click();
  return true;
}

}  // namespace kestrova
