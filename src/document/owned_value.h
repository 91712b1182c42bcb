// owned_value.h — an optional heap value with deep-copy semantics: the C++
// stand-in for the records' owned pointers (strings, the paragraph format of
// break cells). Null and an empty value differ, which the native file relies on.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace vendaro {

template <typename T>
class OwnedValue {
 public:
  OwnedValue() = default;
  OwnedValue(const T& value) : ptr_(std::make_unique<T>(value)) {}  // NOLINT: implicit on purpose
  OwnedValue(const OwnedValue& other) : ptr_(other.ptr_ ? std::make_unique<T>(*other.ptr_) : nullptr) {}
  OwnedValue(OwnedValue&&) noexcept = default;
  OwnedValue& operator=(const OwnedValue& other) {
    if (this != &other) ptr_ = other.ptr_ ? std::make_unique<T>(*other.ptr_) : nullptr;
    return *this;
  }
  OwnedValue& operator=(OwnedValue&&) noexcept = default;

  bool isNull() const { return ptr_ == nullptr; }
  explicit operator bool() const { return ptr_ != nullptr; }
  const T* get() const { return ptr_.get(); }
  T* get() { return ptr_.get(); }
  const T& operator*() const { return *ptr_; }
  T& operator*() { return *ptr_; }
  const T* operator->() const { return ptr_.get(); }
  T* operator->() { return ptr_.get(); }

  void set(T value) {
    if (ptr_) *ptr_ = std::move(value);
    else ptr_ = std::make_unique<T>(std::move(value));
  }
  void reset() { ptr_.reset(); }

  friend bool operator==(const OwnedValue& a, const OwnedValue& b) {
    if (!a.ptr_ || !b.ptr_) return a.ptr_ == b.ptr_;
    return *a.ptr_ == *b.ptr_;
  }

 private:
  std::unique_ptr<T> ptr_;
};

// A zero-terminated byte string of the records: absent (null) or a value.
using NullableString = OwnedValue<std::string>;

// The text of a nullable string, empty when absent.
inline std::string_view textOf(const NullableString& s) { return s ? std::string_view(*s) : std::string_view(); }

// Makes `slot` hold `text`; an empty text gives an empty string, not null.
inline void SetPCharText(NullableString& slot, std::string_view text) { slot.set(std::string(text)); }

}  // namespace vendaro
