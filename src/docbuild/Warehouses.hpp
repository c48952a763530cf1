#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "platform/SafeArray.hpp"

namespace qvd::docbuild {

// The warehouse of each document line: one for the whole document, or one per line from the
// caller's array, indexed with its own lower bound (9 outside it). Holds its own copies, so it
// may outlive the arguments it was made from.
class Warehouses {
 public:
  explicit Warehouses(std::string single) : single_(std::move(single)) {}
  explicit Warehouses(const automation::SafeArray<std::string>& perLine) : perLine_(perLine) {}

  const std::string& of(int32_t line) const { return perLine_ ? (*perLine_)(line) : single_; }

 private:
  std::string single_;
  std::optional<automation::SafeArray<std::string>> perLine_;
};

}  // namespace qvd::docbuild
