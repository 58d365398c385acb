#include "ui/ItemList.h"

namespace kestrova {

int ItemList::Find(std::string_view text) const {
  const auto found = firstPlace_.find(std::string(text));
  return found == firstPlace_.end() ? -1 : found->second;
}

void ItemList::Add(std::string text) {
  firstPlace_.try_emplace(text, static_cast<int>(items_.size()));
  items_.push_back(std::move(text));
}

int ItemList::AddUnlessListed(const std::string& text) {
  const int place = Find(text);
  if (place >= 0) return place;
  Add(text);
  return static_cast<int>(items_.size()) - 1;
}

void ItemList::RemoveAt(std::size_t place) {
  if (place >= items_.size()) return;
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(place));
  Reindex();  // every later entry moved up one place
}

void ItemList::Clear() {
  items_.clear();
  firstPlace_.clear();
}

void ItemList::Assign(std::vector<std::string> items) {
  items_ = std::move(items);
  Reindex();
}

void ItemList::Reindex() {
  firstPlace_.clear();
  for (std::size_t i = 0; i < items_.size(); ++i) {
    firstPlace_.try_emplace(items_[i], static_cast<int>(i));
  }
}

}  // namespace kestrova
