#pragma once
// Automation arrays with their own bounds. Ownership: an array owns its elements; variants share
// an array by counted reference. Threads: not synchronised; one thread at a time.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/AutomationError.hpp"

namespace automation {

// An automation array of one dimension: it carries its own bounds. A never-dimensioned array
// has no bounds at all; asking for them, or for an element outside them, raises 9.
template <class T>
class SafeArray {
 public:
  SafeArray() = default;
  SafeArray(int32_t lower, int32_t upper) { redim(lower, upper); }
  SafeArray(int32_t lower, std::initializer_list<T> items) : lower_(lower), items_(items), dimensioned_(true) {}

  // Discards the contents: every element starts as T().
  void redim(int32_t lower, int32_t upper) {
    if (int64_t{upper} < int64_t{lower} - 1) raise(errnum::SubscriptOutOfRange);
    lower_ = lower;
    items_.assign(static_cast<std::size_t>(int64_t{upper} - lower + 1), T());
    dimensioned_ = true;
  }
  // Keeps the elements that still fall inside the new upper bound.
  void redimPreserve(int32_t upper) {
    if (!dimensioned_) raise(errnum::SubscriptOutOfRange);
    if (int64_t{upper} < int64_t{lower_} - 1) raise(errnum::SubscriptOutOfRange);
    items_.resize(static_cast<std::size_t>(int64_t{upper} - lower_ + 1));
  }
  void erase() {
    items_.clear();
    dimensioned_ = false;
  }

  bool isDimensioned() const noexcept { return dimensioned_; }
  int32_t lbound() const {
    if (!dimensioned_) raise(errnum::SubscriptOutOfRange);
    return lower_;
  }
  int32_t ubound() const {
    if (!dimensioned_) raise(errnum::SubscriptOutOfRange);
    return static_cast<int32_t>(lower_ + static_cast<int64_t>(items_.size()) - 1);
  }
  std::size_t size() const noexcept { return items_.size(); }

  T& operator()(int64_t index) { return items_[slot(index)]; }
  const T& operator()(int64_t index) const { return items_[slot(index)]; }

  bool operator==(const SafeArray&) const = default;

 private:
  std::size_t slot(int64_t index) const {
    if (!dimensioned_ || index < lower_ || index - lower_ >= static_cast<int64_t>(items_.size()))
      raise(errnum::SubscriptOutOfRange);
    return static_cast<std::size_t>(index - lower_);
  }

  int32_t lower_ = 0;
  std::vector<T> items_;
  bool dimensioned_ = false;
};

}  // namespace automation
