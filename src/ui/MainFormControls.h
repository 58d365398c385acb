// The kinds of control the main window is made of, as plain data: the Qt window
// mirrors these and forwards its events; tests read and set them directly.
#pragma once

#include <string>
#include <vector>

#include "ui/ItemList.h"

namespace kestrova {

struct TextBox {
  std::string text;
  bool enabled = true;
  bool locked = false;  // shown but not editable
};

struct CheckBox {
  int value = 0;  // 0 unchecked, 1 checked
  bool enabled = true;
};

struct OptionButton {
  bool value = false;  // selected
  bool enabled = true;
};

struct Label {
  std::string caption;
};

// A drop-down list with an edit text; listIndex -1 selects nothing.
struct ComboBox {
  ItemList items;
  int listIndex = -1;
  std::string text;
  bool enabled = true;
};

// A menu item, or the separator line above a group of them.
struct MenuItem {
  std::string caption;
  bool visible = true;
  bool enabled = true;
};

struct ListBox {
  std::vector<std::string> items;
  int listIndex = -1;
  bool enabled = true;
};

}  // namespace kestrova
