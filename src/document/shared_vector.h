// shared_vector.h — a vector whose elements are shared between copies of it
// (a frame's lines in the document and in its undo steps) until one side
// changes an element, which then gets a copy of its own. Reading through a
// const vector never copies; non-const access copies a shared element first.
// Each element's place also records whether it was written since its owner
// last settled it, with two bits of the owner's own that hold only while it
// was not: passes over long vectors find the changed elements, and what the
// owner noted of the others, without reading a single element.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <type_traits>
#include <utility>
#include <vector>

namespace vendaro {

template <typename T>
class SharedVector {
  // One element with the number of vectors that hold it. The count is not
  // atomic: documents and their undo steps live on one thread.
  struct alignas(8) Block {
    explicit Block(T v) : value(std::move(v)) {}
    T value;
    uint32_t holders = 1;
  };

  // Owns one share of a block, like a shared pointer of half the size: the
  // array of shares is copied whole for every copy of the vector. The low
  // bits of the pointer hold the element's marks (a block is aligned to 8),
  // which copies and moves of the share carry with it.
  class Share {
   public:
    explicit Share(T value) : bits_(reinterpret_cast<uintptr_t>(new Block(std::move(value))) | kChanged) {}
    Share(const Share& other) noexcept : bits_(other.bits_) { ++block()->holders; }
    Share(Share&& other) noexcept : bits_(std::exchange(other.bits_, 0)) {}
    Share& operator=(Share other) noexcept {
      std::swap(bits_, other.bits_);
      return *this;
    }
// GCC 12 at -O3 follows a block through two inlined shares of it and
// reports the second share's count as read after the first one's delete;
// the count is read before any delete, and the sanitizer builds agree.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuse-after-free"
#endif
    ~Share() {
      if (bits_ != 0 && --block()->holders == 0) delete block();
    }
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

    const T& read() const { return block()->value; }
    T& write() {
      if (block()->holders > 1) *this = Share(T(block()->value));
      bits_ = (bits_ & ~kMarkBits) | kChanged;
      return block()->value;
    }
    const void* identity() const { return block(); }
    uint32_t holders() const { return block()->holders; }
    bool changed() const { return (bits_ & kChanged) != 0; }
    uint8_t marks() const { return static_cast<uint8_t>((bits_ & kMarkBits) >> 1); }
    void settle(uint8_t marks) { bits_ = (bits_ & ~kMarkBits) | ((static_cast<uintptr_t>(marks) << 1) & kOwnerMarks); }

   private:
    static constexpr uintptr_t kChanged = 1;
    static constexpr uintptr_t kOwnerMarks = 6;
    static constexpr uintptr_t kMarkBits = kChanged | kOwnerMarks;
    static_assert(alignof(Block) >= 8, "the marks need three free bits of a block's address");
    Block* block() const { return reinterpret_cast<Block*>(bits_ & ~kMarkBits); }

    uintptr_t bits_;
  };

  template <bool Const>
  class Iterator {
    using Slot = std::conditional_t<Const, const Share, Share>;

   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using reference = std::conditional_t<Const, const T&, T&>;
    using pointer = std::conditional_t<Const, const T*, T*>;

    Iterator() = default;
    explicit Iterator(Slot* slot) : slot_(slot) {}
    operator Iterator<true>() const { return Iterator<true>(slot_); }  // NOLINT: implicit, as vector's

    reference operator*() const {
      if constexpr (Const) return slot_->read();
      else return slot_->write();
    }
    pointer operator->() const { return &**this; }
    reference operator[](difference_type n) const { return *(*this + n); }
    Iterator& operator++() { ++slot_; return *this; }
    Iterator operator++(int) { Iterator old = *this; ++slot_; return old; }
    Iterator& operator--() { --slot_; return *this; }
    Iterator operator--(int) { Iterator old = *this; --slot_; return old; }
    Iterator& operator+=(difference_type n) { slot_ += n; return *this; }
    Iterator& operator-=(difference_type n) { slot_ -= n; return *this; }
    friend Iterator operator+(Iterator it, difference_type n) { return it += n; }
    friend Iterator operator+(difference_type n, Iterator it) { return it += n; }
    friend Iterator operator-(Iterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(Iterator a, Iterator b) { return a.slot_ - b.slot_; }
    friend bool operator==(Iterator a, Iterator b) { return a.slot_ == b.slot_; }
    friend auto operator<=>(Iterator a, Iterator b) { return a.slot_ <=> b.slot_; }

   private:
    friend class SharedVector;
    Slot* slot_ = nullptr;
  };

  using Shares = std::vector<Share>;

 public:
  using value_type = T;
  using size_type = size_t;
  using iterator = Iterator<false>;
  using const_iterator = Iterator<true>;

  SharedVector() = default;
  explicit SharedVector(size_t count) { resize(count); }
  template <std::input_iterator It>
  SharedVector(It first, It last) { insert(end(), first, last); }
  SharedVector(std::initializer_list<T> values) : SharedVector(values.begin(), values.end()) {}

  size_t size() const { return shares_.size(); }
  bool empty() const { return shares_.empty(); }
  void reserve(size_t count) { shares_.reserve(count); }

  const T& operator[](size_t i) const { return shares_[i].read(); }
  T& operator[](size_t i) { return shares_[i].write(); }
  const T& at(size_t i) const { return shares_.at(i).read(); }
  T& at(size_t i) { return shares_.at(i).write(); }
  const T& front() const { return shares_.front().read(); }
  T& front() { return shares_.front().write(); }
  const T& back() const { return shares_.back().read(); }
  T& back() { return shares_.back().write(); }

  const_iterator begin() const { return const_iterator(shares_.data()); }
  const_iterator end() const { return const_iterator(shares_.data() + shares_.size()); }
  iterator begin() { return iterator(shares_.data()); }
  iterator end() { return iterator(shares_.data() + shares_.size()); }

  void push_back(T value) { shares_.emplace_back(std::move(value)); }
  T& emplace_back() { return shares_.emplace_back(T{}).write(); }
  iterator insert(const_iterator at, T value) {
    const auto index = offsetOf(at);
    shares_.emplace(shares_.begin() + index, std::move(value));
    return begin() + index;
  }
  // Equal new elements share one block until each is changed.
  iterator insert(const_iterator at, size_t count, const T& value) {
    const auto index = offsetOf(at);
    if (count > 0) shares_.insert(shares_.begin() + index, count, Share(value));
    return begin() + index;
  }
  template <std::input_iterator It>
  iterator insert(const_iterator at, It first, It last) {
    const auto index = offsetOf(at);
    Shares added;
    for (; first != last; ++first) added.emplace_back(T(*first));
    shares_.insert(shares_.begin() + index, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    return begin() + index;
  }
  iterator erase(const_iterator at) { return erase(at, at + 1); }
  iterator erase(const_iterator first, const_iterator last) {
    const auto index = offsetOf(first);
    shares_.erase(shares_.begin() + index, shares_.begin() + offsetOf(last));
    return begin() + index;
  }
  void clear() { shares_.clear(); }
  void resize(size_t count) {
    if (count <= size()) shares_.erase(shares_.begin() + static_cast<std::ptrdiff_t>(count), shares_.end());
    else insert(end(), count - size(), T{});
  }
  void assign(size_t count, const T& value) {
    clear();
    insert(end(), count, value);
  }

  // Moving elements between vectors without copying them: `append` and
  // `prepend` take all of `other`, which is left empty; `takeFrom` cuts off
  // the elements from `from` on and hands them back.
  void append(SharedVector&& other) {
    shares_.insert(shares_.end(), std::make_move_iterator(other.shares_.begin()), std::make_move_iterator(other.shares_.end()));
    other.clear();
  }
  void prepend(SharedVector&& other) {
    other.append(std::move(*this));
    std::swap(shares_, other.shares_);
  }
  SharedVector takeFrom(size_t from) {
    SharedVector tail;
    const auto cut = shares_.begin() + static_cast<std::ptrdiff_t>(from);
    tail.shares_.assign(std::make_move_iterator(cut), std::make_move_iterator(shares_.end()));
    shares_.erase(cut, shares_.end());
    return tail;
  }
  // A vector sharing elements [from, to) with this one.
  SharedVector slice(size_t from, size_t to) const {
    SharedVector part;
    part.shares_.assign(shares_.begin() + static_cast<std::ptrdiff_t>(from), shares_.begin() + static_cast<std::ptrdiff_t>(to));
    return part;
  }

  // The block element `i` is stored in: equal identities mean one shared
  // element (the undo history counts what its steps hold alone).
  const void* identity(size_t i) const { return shares_[i].identity(); }
  // Whether element `i` is held by this vector alone, so that changing it
  // copies nothing.
  bool ownsAlone(size_t i) const { return shares_[i].holders() == 1; }

  // Whether element `i` was added or written (non-const access) since
  // `settle` was last called for it; new elements are changed.
  bool changed(size_t i) const { return shares_[i].changed(); }
  // The owner's two bits given to `settle`, 0 while the element is changed.
  uint8_t marks(size_t i) const { return shares_[i].marks(); }
  // Element `i` is taken as unchanged from here on, with the owner's note of
  // it; settling never copies the element or makes it changed.
  void settle(size_t i, uint8_t marks) { shares_[i].settle(marks); }

  friend bool operator==(const SharedVector& a, const SharedVector& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (a.identity(i) != b.identity(i) && !(a[i] == b[i])) return false;
    return true;
  }

 private:
  friend class LineGapBuffer;
  std::ptrdiff_t offsetOf(const_iterator at) const { return at.slot_ - shares_.data(); }

  Shares shares_;
};

}  // namespace vendaro
