#pragma once
// Record lists of the project: name-ordered lists of data elements and the links between
// records.
//
// Representation. Every record lives in its own heap cell owned by its list (or table, see
// Tables.h); the containers hold owning pointers, so growing or reordering a container never
// moves a record. A record is referred to by a `Ref`: the record's id, which its container hands
// out when the record enters it and never hands out again. A container resolves a `Ref` through
// its id index, so a link stays valid across table growth, renames (an element that moves in its
// name order keeps its id) and renumbering, and a link to a deleted record resolves to nothing
// instead of dangling, even after the record's cell was reused from the free list (the reused
// cell gets a fresh id). Links are written to files as numbers; the number of a linked record is
// read from the record after numbering.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <ranges>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/Heap.h"

namespace mz {

using RecordId = std::uint32_t;

// A link to a record of kind T. Id 0 is no record; kAmbientId names the ambient zone where a
// zone may be named.
template <class T>
struct Ref {
  static constexpr RecordId kAmbientId = 0xFFFFFFFFu;

  RecordId id = 0;

  static constexpr Ref ambient() { return Ref{kAmbientId}; }
  constexpr bool isAmbient() const { return id == kAmbientId; }
  constexpr bool empty() const { return id == 0; }
  constexpr explicit operator bool() const { return id != 0; }
  friend constexpr bool operator==(Ref, Ref) = default;
};

// What an edit marks in its project: the data changed (a save is due) and a component table
// changed (a renumbering is due).
struct ChangeMarks {
  bool modified = false;
  bool renumberDue = false;
};

// The common head of every data element. `id` belongs to the list holding the record.
struct ElementHead {
  RecordId id = 0;
  std::int32_t number = 0;
  std::int32_t useCount = 0;
  std::string name;
  std::string description;
};

// Largest name sizes (characters + 1, as the name checks take them).
inline constexpr std::size_t kNameSize = 16;
inline constexpr std::size_t kZoneNameSize = 32;
inline constexpr std::size_t kDescriptionLength = 70;

// The name rules of data elements: true when `name` is acceptable; otherwise a WARNING notice
// names the first rule it breaks. `size` is one more than the longest allowed name.
bool checkName(ErrorReporter& reporter, std::string_view name, std::size_t size = kNameSize);

// Byte-wise, case-sensitive order of names (std::string compares chars as unsigned).
inline bool sortsBefore(std::string_view a, std::string_view b) {
  return a.compare(b) < 0;
}

// A list of data elements of kind T (derived from ElementHead), kept in ascending name order,
// with a free list of deleted records that later additions reuse.
template <class T>
class ElementList {
 public:
  ElementList(std::string label, ChangeMarks& marks) : label_(std::move(label)), marks_(&marks) {}
  ElementList(const ElementList&) = delete;
  ElementList& operator=(const ElementList&) = delete;

  const std::string& label() const { return label_; }
  std::size_t size() const { return order_.size(); }
  bool empty() const { return order_.empty(); }
  T* first() { return order_.empty() ? nullptr : order_.front().get(); }
  T& operator[](std::size_t i) { return *order_[i]; }
  const T& operator[](std::size_t i) const { return *order_[i]; }
  auto all() {
    return order_ | std::views::transform([](std::unique_ptr<T>& p) -> T& { return *p; });
  }
  auto all() const {
    return order_ |
           std::views::transform([](const std::unique_ptr<T>& p) -> const T& { return *p; });
  }

  // The record a link names, or none (empty link, deleted record).
  T* find(Ref<T> ref) {
    auto it = byId_.find(ref.id);
    return it == byId_.end() ? nullptr : it->second;
  }
  const T* find(Ref<T> ref) const { return const_cast<ElementList*>(this)->find(ref); }
  static Ref<T> ref(const T* element) { return element ? Ref<T>{element->id} : Ref<T>{}; }
  bool contains(const T* element) const { return element && find(Ref<T>{element->id}) == element; }

  // The first element at or after `from` (the head when none) whose name equals `name` exactly.
  T* findElement(std::string_view name, const T* from = nullptr) {
    for (std::size_t i = from ? position(from) : 0; i < order_.size(); ++i)
      if (order_[i]->name == name) return order_[i].get();
    return nullptr;
  }
  // As findElement; a name not found is a WARNING notice, except a name beginning with a blank.
  T* findElementOrSay(ErrorReporter& reporter, std::string_view name) {
    if (!name.empty() && name.front() == ' ') return nullptr;
    T* found = findElement(name);
    if (!found) reporter.showMessage(1, {"Name not found: ", name});
    return found;
  }
  // The name checks, then uniqueness within the list; `oldName` is the name being replaced.
  bool checkNewName(ErrorReporter& reporter, std::string_view name, std::string_view oldName) {
    if (!checkName(reporter, name, kNameSize)) return false;
    if (name == oldName || !findElement(name)) return true;
    reporter.showMessage(1, {"May not use existing name"});
    return false;
  }

  // A copy of `record` in name order (after any equal names), in a reused or new record.
  T& addElement(const T& record) {
    T& added = insertSorted(freshCell(record));
    marks_->modified = true;
    return added;
  }
  // Unlinks the element into the free list. An element not in the list is an impossible state.
  void deleteElement(ErrorReporter& reporter, T& element) {
    std::size_t i = position(&element);
    if (i == order_.size()) reporter.fatal({"Failed to delete ", element.name});
    byId_.erase(element.id);
    free_.push_back(std::move(order_[i]));
    order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(i));
    marks_->modified = true;
  }
  // Copies `record` over `element`; a changed name moves the element to its new place in name
  // order. The element keeps its identity, so links to it stay valid.
  T& replaceElement(ErrorReporter& reporter, T& element, const T& record) {
    std::size_t i = position(&element);
    if (i == order_.size()) reporter.fatal({"Failed to delete ", element.name});
    RecordId id = element.id;
    bool moved = element.name != record.name;
    element = record;
    element.id = id;
    marks_->modified = true;
    if (!moved) return element;
    std::unique_ptr<T> cell = std::move(order_[i]);
    order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(i));
    byId_.erase(id);
    return insertSorted(std::move(cell));
  }
  // The readers' insertion: a record that sorts at or after the last one is appended at once;
  // any other is placed in name order after the elements whose names do not sort after it.
  T& appendSorted(const T& record) { return insertSorted(freshCell(record)); }
  // Numbers 1, 2, ... in list order; returns the count.
  int numberElements() {
    int n = 0;
    for (auto& e : order_) e->number = ++n;
    return n;
  }
  // The element numbered `number` after numberElements, or none.
  T* byNumber(int number) {
    return number >= 1 && static_cast<std::size_t>(number) <= order_.size()
               ? order_[static_cast<std::size_t>(number - 1)].get()
               : nullptr;
  }
  // Counts a reference made to the linked element (by a reader or a dialog); returns it.
  T* use(Ref<T> ref) {
    T* element = find(ref);
    if (element) ++element->useCount;
    return element;
  }

  // Records released to the free list, the next one to be reused last.
  std::size_t freeCount() const { return free_.size(); }
  const T* nextReused() const { return free_.empty() ? nullptr : free_.back().get(); }

 private:
  std::size_t position(const T* element) const {
    auto it = std::find_if(order_.begin(), order_.end(),
                           [element](const std::unique_ptr<T>& p) { return p.get() == element; });
    return static_cast<std::size_t>(it - order_.begin());
  }
  // A copy of `record` in the most recently freed cell (or a new one), under a new id.
  std::unique_ptr<T> freshCell(const T& record) {
    std::unique_ptr<T> cell;
    if (free_.empty()) {
      cell = std::make_unique<T>(record);
    } else {
      cell = std::move(free_.back());
      free_.pop_back();
      *cell = record;
    }
    cell->id = ++lastId_;
    return cell;
  }
  T& insertSorted(std::unique_ptr<T> cell) {
    T* raw = cell.get();
    if (order_.empty() || !sortsBefore(raw->name, order_.back()->name)) {
      order_.push_back(std::move(cell));
    } else {
      auto at = std::upper_bound(order_.begin(), order_.end(), raw->name,
                                 [](const std::string& name, const std::unique_ptr<T>& e) {
                                   return sortsBefore(name, e->name);
                                 });
      order_.insert(at, std::move(cell));
    }
    byId_[raw->id] = raw;
    return *raw;
  }

  std::string label_;
  ChangeMarks* marks_;
  std::vector<std::unique_ptr<T>> order_;
  std::vector<std::unique_ptr<T>> free_;
  std::unordered_map<RecordId, T*> byId_;
  RecordId lastId_ = 0;
};

}  // namespace mz
