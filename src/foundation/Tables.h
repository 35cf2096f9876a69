#pragma once
// Number-indexed tables of building components: slot n holds the component numbered n. Records
// are owned one per heap cell (see Lists.h for the links between records), so growing the table
// never moves a record; a freed record goes to the table's free list and is the one the next
// addition takes, under a fresh id.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/Formats.h"
#include "foundation/Heap.h"
#include "foundation/Lists.h"

namespace mz {

// The common head of every component record. `id` belongs to the table holding the record.
struct ComponentHead {
  RecordId id = 0;
  std::int32_t number = 0;
};

// Writes the dump of a table whose records do not carry their index, then ends the program.
// `entries` holds, per index 1..n, the record's number, address and successor's address, or no
// address for an empty slot.
struct IndexDumpEntry {
  bool filled = false;
  std::int32_t number = 0;
  const void* address = nullptr;
  const void* link = nullptr;
};
[[noreturn]] void failReordering(ErrorReporter& reporter, std::string_view listName,
                                 std::span<const IndexDumpEntry> entries);

template <class T>
class ComponentTable {
 public:
  // `kind` is the word of the "Could not get ..." report ("zone", "path", "css", ...).
  ComponentTable(std::string label, int growthStep, std::string kind, ChangeMarks& marks)
      : label_(std::move(label)), kind_(std::move(kind)), step_(growthStep), marks_(&marks) {}
  ComponentTable(const ComponentTable&) = delete;
  ComponentTable& operator=(const ComponentTable&) = delete;

  const std::string& label() const { return label_; }
  int growthStep() const { return step_; }
  // Slots 1..capacity exist; a put at capacity or beyond grows the table first.
  int capacity() const { return slots_.empty() ? 0 : static_cast<int>(slots_.size()) - 1; }
  // The highest number in use.
  int count() const { return count_; }

  // Makes room for numbers 1..capacity - 1 (the readers keep one spare slot).
  void reserve(int capacity) {
    if (capacity > this->capacity()) slots_.resize(static_cast<std::size_t>(capacity) + 1);
  }

  T* at(int number) {
    return number >= 1 && number <= capacity() ? slots_[static_cast<std::size_t>(number)].get()
                                               : nullptr;
  }
  const T* at(int number) const { return const_cast<ComponentTable*>(this)->at(number); }
  Ref<T> ref(int number) const {
    const T* record = at(number);
    return record ? Ref<T>{record->id} : Ref<T>{};
  }
  T* find(Ref<T> ref) {
    auto it = byId_.find(ref.id);
    return it == byId_.end() ? nullptr : it->second;
  }
  const T* find(Ref<T> ref) const { return const_cast<ComponentTable*>(this)->find(ref); }
  // The current number of a linked record, 0 when the link names none.
  std::int32_t numberOf(Ref<T> ref) const {
    const T* record = find(ref);
    return record ? record->number : 0;
  }

  // Copies the record numbered `number` into `copy`; an empty slot is an ERROR report.
  bool get(ErrorReporter& reporter, int number, T& copy) const {
    const T* record = at(number);
    if (!record) {
      reporter.report(Severity::Error, {"Could not get ", kind_, " ", formatInt(number)});
      return false;
    }
    copy = *record;
    return true;
  }
  // Stores `copy` as the record numbered `number` (marking the project modified), creating the
  // record when the slot is empty; the table grows by whole steps until the number fits. A number
  // below 1 names no slot and is taken as count + 1.
  T& put(const T& copy, int number) {
    if (number < 1) number = count_ + 1;
    std::unique_ptr<T>& slot = slotFor(number);
    if (!slot) {
      if (free_.empty()) {
        slot = std::make_unique<T>();
      } else {
        slot = std::move(free_.back());
        free_.pop_back();
      }
      slot->id = ++lastId_;
      byId_[slot->id] = slot.get();
    }
    RecordId id = slot->id;
    *slot = copy;
    slot->id = id;
    slot->number = number;
    if (number > count_) count_ = number;
    marks_->modified = true;
    return *slot;
  }
  // Puts `copy` at count + 1; returns the new number.
  int add(const T& copy) {
    int number = count_ + 1;
    put(copy, number);
    marks_->renumberDue = true;
    return number;
  }
  // Releases the record numbered `number` to the free list; numbers are not closed up.
  bool free(int number) {
    if (!at(number)) return false;
    std::unique_ptr<T>& slot = slots_[static_cast<std::size_t>(number)];
    byId_.erase(slot->id);
    free_.push_back(std::move(slot));
    marks_->modified = true;
    marks_->renumberDue = true;
    return true;
  }
  // Empties the table, keeping the released records for reuse.
  void clear() {
    for (int n = 1; n <= capacity(); ++n)
      if (slots_[static_cast<std::size_t>(n)]) free(n);
    count_ = 0;
  }

  // Re-indexes the table from `chain` (the records in their new order, numbered by the caller):
  // the k-th record goes to slot k, records left out go to the free list. A record that does not
  // carry its index is an impossible state: the table is dumped to the log and the program ends.
  int rebuildIndex(ErrorReporter& reporter, std::span<const Ref<T>> chain, int count) {
    std::unordered_map<const T*, std::size_t> slotOf;
    for (std::size_t i = 0; i < slots_.size(); ++i)
      if (slots_[i]) slotOf[slots_[i].get()] = i;
    std::vector<std::unique_ptr<T>> ordered;
    ordered.reserve(chain.size());
    for (Ref<T> r : chain) {
      auto it = slotOf.find(find(r));
      if (it == slotOf.end() || !slots_[it->second]) continue;
      ordered.push_back(std::move(slots_[it->second]));
    }
    for (auto& slot : slots_)
      if (slot) {
        byId_.erase(slot->id);
        free_.push_back(std::move(slot));
      }
    std::size_t needed = std::max(ordered.size(), static_cast<std::size_t>(count < 0 ? 0 : count));
    slots_.clear();
    slots_.resize(needed + 2);
    for (std::size_t k = 0; k < ordered.size(); ++k) slots_[k + 1] = std::move(ordered[k]);
    count_ = count;
    for (int i = 1; i <= count; ++i) {
      const T* record = at(i);
      if (!record || record->number != i) dumpAndFail(reporter, count);
    }
    marks_->renumberDue = false;
    return count;
  }

  std::size_t freeCount() const { return free_.size(); }
  const T* nextReused() const { return free_.empty() ? nullptr : free_.back().get(); }

 private:
  std::unique_ptr<T>& slotFor(int number) {
    while (number >= capacity()) slots_.resize(static_cast<std::size_t>(capacity() + step_) + 1);
    return slots_[static_cast<std::size_t>(number)];
  }
  [[noreturn]] void dumpAndFail(ErrorReporter& reporter, int count) const {
    std::vector<IndexDumpEntry> entries(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
      const T* record = at(i);
      IndexDumpEntry& e = entries[static_cast<std::size_t>(i - 1)];
      if (!record) continue;
      e = {true, record->number, record, at(i + 1)};
    }
    failReordering(reporter, label_, entries);
  }

  std::string label_;
  std::string kind_;
  int step_;
  ChangeMarks* marks_;
  std::vector<std::unique_ptr<T>> slots_;  // index 0 unused
  std::vector<std::unique_ptr<T>> free_;
  std::unordered_map<RecordId, T*> byId_;
  int count_ = 0;
  RecordId lastId_ = 0;
};

}  // namespace mz
