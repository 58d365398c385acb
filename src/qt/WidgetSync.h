// Drawing the form model's controls into Qt widgets without disturbing the
// person: a widget is set only where it differs, so a field being typed in
// keeps its cursor and an open drop-down list its items.
#pragma once

#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace kestrova {

void ShowText(QLineEdit& widget, const std::string& text);
// The items and the chosen row (-1: none).
void ShowItems(QComboBox& widget, const std::vector<std::string>& items, int current);
void ShowItems(QListWidget& widget, const std::vector<std::string>& items, int current);

}  // namespace kestrova
