// The entries of a list control, in order, with an index from an entry's text
// to its first place: the keyword box lists every keyword of a project, up to
// 32,767, and is asked for one by text at every record and every Add.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kestrova {

class ItemList {
 public:
  ItemList() = default;
  ItemList(std::initializer_list<std::string> items) { Assign(std::vector<std::string>(items)); }

  const std::vector<std::string>& Items() const { return items_; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const std::string& operator[](std::size_t i) const { return items_[i]; }
  const std::string& front() const { return items_.front(); }

  // Place (0-based) of the first entry equal to `text` (exact comparison); -1 if none.
  int Find(std::string_view text) const;
  bool Contains(std::string_view text) const { return Find(text) >= 0; }

  void Add(std::string text);
  // Adds `text` unless an entry equals it; returns its place either way.
  int AddUnlessListed(const std::string& text);
  void RemoveAt(std::size_t place);
  void Clear();
  void Assign(std::vector<std::string> items);

  friend bool operator==(const ItemList& a, const ItemList& b) { return a.items_ == b.items_; }
  friend bool operator==(const ItemList& a, const std::vector<std::string>& b) {
    return a.items_ == b;
  }

 private:
  void Reindex();

  std::vector<std::string> items_;
  std::unordered_map<std::string, int> firstPlace_;
};

}  // namespace kestrova
