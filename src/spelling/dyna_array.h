// dyna_array.h — TDynaArray: a growable array of fixed-size elements with a
// cursor. Storage grows in whole blocks of elements; when it cannot grow the
// out-of-memory message goes to a handler and the array stays as it was.
#pragma once

#include <cassert>
#include <cstddef>
#include <functional>
#include <limits>
#include <new>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace vendaro {

// Receives the German/English out-of-memory message of a failed allocation.
using AllocationErrorHandler = std::function<void(const std::string& message)>;

// "Error 1 while trying to allocate <bytes> bytes of RAM. Not enough memory."
// for the first allocation, "Error 2 …" for an enlargement.
std::string allocationErrorMessage(bool firstAllocation, size_t bytes);
// Where messages go when the owner gave no handler: standard error, so that
// a failure is never silent.
void reportAllocationErrorToStderr(const std::string& message);

template <typename T>
class TDynaArray {
 public:
  static constexpr size_t kDefaultBlockElements = 100;
  static constexpr size_t kNoCursor = std::numeric_limits<size_t>::max();

  // `externalCursor`, when given, is kept pointing at the selected element
  // (null while nothing is selected), also after the storage has moved.
  explicit TDynaArray(size_t blockElements = kDefaultBlockElements, T** externalCursor = nullptr)
      : block_(blockElements == 0 ? 1 : blockElements), externalCursor_(externalCursor) {
    publishCursor();
  }
  // An external cursor belongs to one array: copies would update it behind
  // the original's back.
  TDynaArray(const TDynaArray&) = delete;
  TDynaArray& operator=(const TDynaArray&) = delete;

  void setAllocationErrorHandler(AllocationErrorHandler handler) { onError_ = std::move(handler); }
  // Storage above this many bytes counts as memory that cannot be had. The
  // program leaves it unlimited; tests use it to make growth fail.
  void setStorageLimit(size_t bytes) { storageLimit_ = bytes; }

  size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  // Elements the storage holds without growing: always a whole number of blocks.
  size_t capacity() const { return items_.capacity(); }
  size_t blockElements() const { return block_; }
  static constexpr size_t elementSize() { return sizeof(T); }

  T& operator[](size_t index) { return items_[index]; }
  const T& operator[](size_t index) const { return items_[index]; }
  std::span<T> elements() { return items_; }
  std::span<const T> elements() const { return items_; }
  T* begin() { return items_.data(); }
  T* end() { return items_.data() + items_.size(); }
  const T* begin() const { return items_.data(); }
  const T* end() const { return items_.data() + items_.size(); }

  // Selects element `index`; null (cursor unchanged) when there is none.
  T* select(size_t index) {
    if (index >= items_.size()) return nullptr;
    cursor_ = index;
    publishCursor();
    return &items_[index];
  }
  // Selects the first element; false when the array is empty.
  bool first() { return select(0) != nullptr; }
  // Moves the cursor on by one (to the first element when nothing is
  // selected yet); false, with the cursor unchanged, at the end.
  bool next() { return select(cursor_ == kNoCursor ? 0 : cursor_ + 1) != nullptr; }
  T* current() { return cursor_ == kNoCursor ? nullptr : &items_[cursor_]; }
  size_t cursorIndex() const { return cursor_; }

  // Appends a zeroed element and selects it; null when memory cannot be had.
  T* append() { return insert(items_.size()); }
  // Inserts a zeroed element before `index` (at most size()); later elements
  // move up by one. Selects the new element; null when memory cannot be had.
  T* insert(size_t index) {
    assert(index <= items_.size());
    if (index > items_.size()) return nullptr;
    if (!reserve(items_.size() + 1)) return nullptr;
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), T{});
    return select(index);
  }
  // Makes room for `count` elements, rounding the storage up to whole
  // blocks; false (message reported unless `quiet`, array unchanged) when
  // memory cannot be had. Quiet attempts suit a caller that can go on
  // growing step by step.
  bool reserve(size_t count, bool quiet = false) {
    if (count <= items_.capacity()) return true;
    const bool firstAllocation = items_.capacity() == 0;
    const size_t maxElements = std::numeric_limits<size_t>::max() / sizeof(T) / block_ * block_;
    const size_t blocks = count / block_ + (count % block_ != 0 ? 1 : 0);
    const bool representable = blocks <= maxElements / block_;
    const size_t elements = representable ? blocks * block_ : maxElements;
    const size_t bytes = elements * sizeof(T);
    bool grown = false;
    if (representable && bytes <= storageLimit_) {
      try {
        items_.reserve(elements);  // all or nothing: on failure items_ is untouched
        grown = true;
      } catch (const std::bad_alloc&) {
      } catch (const std::length_error&) {
      }
    }
    if (!grown) {
      if (quiet) return false;
      const std::string message = allocationErrorMessage(firstAllocation, bytes);
      if (onError_) {
        onError_(message);
      } else {
        reportAllocationErrorToStderr(message);
      }
      return false;
    }
    publishCursor();  // the storage has moved
    return true;
  }
  // Empties the array and releases its storage.
  void clear() {
    std::vector<T>().swap(items_);
    cursor_ = kNoCursor;
    publishCursor();
  }

 private:
  void publishCursor() {
    if (externalCursor_ != nullptr) *externalCursor_ = current();
  }

  std::vector<T> items_;
  size_t block_;
  T** externalCursor_;
  size_t cursor_ = kNoCursor;
  size_t storageLimit_ = std::numeric_limits<size_t>::max();
  AllocationErrorHandler onError_;
};

}  // namespace vendaro
