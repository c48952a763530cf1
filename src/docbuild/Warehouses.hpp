#pragma once

#include <cstdint>
#include <string>

#include "platform/SafeArray.hpp"

namespace qvd::docbuild {

// The warehouse of each document line: one for the whole document, or one per line from the
// caller's array, indexed with its own lower bound (9 outside it). Holds references only.
class Warehouses {
 public:
  explicit Warehouses(const std::string& single) : single_(&single) {}
  explicit Warehouses(const automation::SafeArray<std::string>& perLine) : perLine_(&perLine) {}

  const std::string& of(int32_t line) const { return perLine_ != nullptr ? (*perLine_)(line) : *single_; }

 private:
  const std::string* single_ = nullptr;
  const automation::SafeArray<std::string>* perLine_ = nullptr;
};

}  // namespace qvd::docbuild
