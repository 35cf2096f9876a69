#pragma once
// The chart dialogs' selections: records kept in ascending order of an integer key, at most one
// record per key.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace mz {

template <class T>
class KeyList {
 public:
  struct Entry {
    std::int32_t key = 0;
    T value{};
  };

  // Inserts before the first entry with a larger key; an equal key inserts nothing and gives
  // none.
  T* insertByKey(std::int32_t key, const T& value) {
    auto at = std::lower_bound(entries_.begin(), entries_.end(), key,
                               [](const Entry& e, std::int32_t k) { return e.key < k; });
    if (at != entries_.end() && at->key == key) return nullptr;
    return &entries_.insert(at, Entry{key, value})->value;
  }
  // Removes the entry at position n (from 0); returns the position of its successor, which is n,
  // or size() when there is none or n was out of range.
  std::size_t removeNth(std::size_t n) {
    if (n >= entries_.size()) return entries_.size();
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(n));
    return n;
  }
  void freeKeyList() { entries_.clear(); }

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const Entry& operator[](std::size_t n) const { return entries_[n]; }
  Entry& operator[](std::size_t n) { return entries_[n]; }
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

 private:
  std::vector<Entry> entries_;
};

}  // namespace mz
