#pragma once
// Labelled memory: zeroed blocks whose sizes are accounted in MemoryTotals, block pools that
// carve many small records from large blocks, and vectors and matrices addressed from an
// arbitrary lower index.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/Heap.h"

namespace mz {

class Heap;

// A zeroed block of bytes; its release is added to the totals when it goes away.
class NamedBlock {
 public:
  NamedBlock() = default;
  NamedBlock(NamedBlock&& other) noexcept;
  NamedBlock& operator=(NamedBlock&& other) noexcept;
  ~NamedBlock();

  std::byte* data() { return bytes_.get(); }
  const std::byte* data() const { return bytes_.get(); }
  std::size_t size() const { return size_; }
  const std::string& label() const { return label_; }
  explicit operator bool() const { return bytes_ != nullptr; }

 private:
  friend class Heap;
  void release();

  std::unique_ptr<std::byte[]> bytes_;
  std::size_t size_ = 0;
  std::string label_;
  MemoryTotals* totals_ = nullptr;
};

// Allocation with labels: a refused request ends the program naming the label.
class Heap {
 public:
  Heap(ErrorReporter& reporter, MemoryTotals& totals) : reporter_(reporter), totals_(totals) {}

  // A zeroed block; size 0 or a refusal is fatal.
  NamedBlock alloc(std::size_t size, std::string_view label);
  // As alloc, but a refusal gives nothing (size 0 is still fatal).
  std::optional<NamedBlock> tryAlloc(std::size_t size, std::string_view label);
  // Writes the totals line to the log.
  void logTotals(std::string_view label);

  ErrorReporter& reporter() { return reporter_; }
  MemoryTotals& totals() { return totals_; }

  // Largest request that is attempted at all; larger ones are refused like an exhausted heap.
  static constexpr std::size_t kMaxRequest = std::size_t{1} << 40;

 private:
  std::optional<NamedBlock> attempt(std::size_t size, std::string_view label);

  ErrorReporter& reporter_;
  MemoryTotals& totals_;
};

// A chain of blocks of one size; records are carved from the newest block and the whole chain
// is released at once. Every piece handed out is zeroed and 8-byte aligned.
class BlockPool {
 public:
  static constexpr std::size_t kHeaderSize = 16;  // size, free offset, older, newer

  BlockPool(Heap& heap, std::size_t blockSize, std::string_view label);

  // Rounds up to a multiple of 8. A request larger than a block's capacity gets a block of its
  // own, so any size can be served.
  void* allocate(std::size_t size, std::string_view label);

  std::size_t blockSize() const { return blockSize_; }
  std::size_t blockCount() const { return blocks_.size(); }
  // Free offset of the newest block, counted from the block's start (header included).
  std::size_t freeOffset() const { return freeOffset_; }
  std::size_t capacity() const { return blockSize_ - kHeaderSize; }

 private:
  void addBlock(std::size_t size, std::string_view label);

  Heap& heap_;
  std::size_t blockSize_;
  std::vector<NamedBlock> blocks_;  // oldest first
  std::size_t freeOffset_ = kHeaderSize;
};

// A zeroed vector whose valid indexes are lo..hi.
template <class T>
class IndexVector {
 public:
  IndexVector() = default;
  IndexVector(long lo, long hi)
      : lo_(lo), items_(hi >= lo ? static_cast<std::size_t>(hi - lo + 1) : 0) {}

  long lo() const { return lo_; }
  long hi() const { return lo_ + static_cast<long>(items_.size()) - 1; }
  std::size_t size() const { return items_.size(); }
  bool contains(long i) const { return i >= lo_ && i <= hi(); }
  T& operator[](long i) { return items_[static_cast<std::size_t>(i - lo_)]; }
  const T& operator[](long i) const { return items_[static_cast<std::size_t>(i - lo_)]; }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  long lo_ = 1;
  std::vector<T> items_;
};

// A zeroed matrix with rows rlo..rhi and columns clo..chi, stored row after row.
template <class T>
class IndexMatrix {
 public:
  IndexMatrix() = default;
  IndexMatrix(long rlo, long rhi, long clo, long chi)
      : rlo_(rlo),
        clo_(clo),
        rows_(rhi >= rlo ? rhi - rlo + 1 : 0),
        cols_(chi >= clo ? chi - clo + 1 : 0),
        items_(static_cast<std::size_t>(rows_ * cols_)) {}

  long rowLo() const { return rlo_; }
  long rowHi() const { return rlo_ + rows_ - 1; }
  long colLo() const { return clo_; }
  long colHi() const { return clo_ + cols_ - 1; }
  T& operator()(long r, long c) { return items_[index(r, c)]; }
  const T& operator()(long r, long c) const { return items_[index(r, c)]; }

 private:
  std::size_t index(long r, long c) const {
    return static_cast<std::size_t>((r - rlo_) * cols_ + (c - clo_));
  }
  long rlo_ = 1, clo_ = 1, rows_ = 0, cols_ = 0;
  std::vector<T> items_;
};

// Index-range vector and matrix with the bounds check of the named allocation: hi < lo is an
// impossible request and ends the program ("Max index < min index: " + label).
template <class T>
IndexVector<T> allocVector(ErrorReporter& reporter, long lo, long hi, std::string_view label) {
  if (hi < lo) reporter.fatal({"Max index < min index: ", label});
  return IndexVector<T>(lo, hi);
}

template <class T>
IndexMatrix<T> allocMatrix(ErrorReporter& reporter, long rlo, long rhi, long clo, long chi,
                           std::string_view label) {
  if (rhi < rlo || chi < clo) reporter.fatal({"Max index < min index: ", label});
  return IndexMatrix<T>(rlo, rhi, clo, chi);
}

}  // namespace mz
