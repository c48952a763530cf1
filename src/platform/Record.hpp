#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Object.hpp"
#include "platform/Variant.hpp"

namespace automation {

// A user-defined record carried inside a variant: a named type with fields in
// declaration order. A field keeps the type it was declared with: values put
// into it are converted, so a record read back always has the shape its type
// declares.
class Record : public Object {
 public:
  Record(std::string typeName, std::vector<std::pair<std::string, Variant>> fields);

  std::string className() const override { return typeName_; }
  const std::string &typeName() const noexcept { return typeName_; }

  // 438 for a name the type does not declare.
  const Variant &field(std::string_view name) const;
  void set(std::string_view name, const Variant &value);
  const std::vector<std::pair<std::string, Variant>> &fields() const noexcept { return fields_; }

  Variant get(std::string_view member, std::span<Variant> args) override;
  void put(std::string_view member, const Variant &value) override;
  const MemberInfo *describe(std::string_view member) const override;
  std::vector<std::string> memberNames() const override;

 private:
  std::size_t slotOf(std::string_view name) const;

  std::string typeName_;
  std::vector<std::pair<std::string, Variant>> fields_;
};

}  // namespace automation
