#include "qt/WidgetSync.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>

#include "qt/QtText.h"

namespace kestrova {
namespace {

QStringList ToQtList(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list.append(ToQt(item));
  return list;
}

// Refills `widget` only when its items differ (refilling closes an open list
// and throws away its scroll position).
template <class Widget>
void ShowList(Widget& widget, const QStringList& shown, const std::vector<std::string>& items) {
  const QStringList wanted = ToQtList(items);
  if (shown == wanted) return;
  widget.clear();
  widget.addItems(wanted);
}

}  // namespace

void ShowText(QLineEdit& widget, const std::string& text) {
  const QString shown = ToQt(text);
  if (widget.text() != shown) widget.setText(shown);
}

void ShowItems(QComboBox& widget, const std::vector<std::string>& items, int current) {
  QStringList shown;
  for (int i = 0; i < widget.count(); ++i) shown.append(widget.itemText(i));
  ShowList(widget, shown, items);
  if (widget.currentIndex() != current) widget.setCurrentIndex(current);
}

void ShowItems(QListWidget& widget, const std::vector<std::string>& items, int current) {
  QStringList shown;
  for (int i = 0; i < widget.count(); ++i) shown.append(widget.item(i)->text());
  ShowList(widget, shown, items);
  if (widget.currentRow() != current) widget.setCurrentRow(current);
}

}  // namespace kestrova
