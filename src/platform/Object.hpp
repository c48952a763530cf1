#pragma once
// Late-bound automation objects: member tables, calls by name, and the free functions the library
// calls the ERP with. Ownership: objects live behind counted references (ObjectRef); whoever holds
// one keeps the object alive. Threads: an object is used by one thread at a time; only the objects
// that say so may be shared.

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Variant.hpp"

namespace automation {

class MemberTable;
struct MemberInfo;

// An automation object, reachable late-bound by member name (names ignore letter case).
// Objects that expose no member through this interface raise 438 for any name.
// Not copyable: a copy through a base reference would slice the object.
class Object : public std::enable_shared_from_this<Object> {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;

  virtual std::string className() const { return "Object"; }

  // Property get; `args` are index arguments (an item by position, ...).
  virtual Variant get(std::string_view member, std::span<Variant> args);
  virtual void put(std::string_view member, const Variant& value);
  // Method call; arguments are by reference: the callee may write them.
  virtual Variant call(std::string_view member, std::span<Variant> args);

  // What a host may learn of a member before using it; nothing for objects that do not say.
  virtual const MemberInfo* describe(std::string_view member) const;
  // The names a host may list; none for objects that do not say.
  virtual std::vector<std::string> memberNames() const;

 protected:
  // The member table that get, put, call and describe go through; none by default.
  virtual const MemberTable* memberTable() const { return nullptr; }
};

// Late-bound access through a reference that may be null (91 when it is).
Variant propGet(const ObjectRef& object, std::string_view member);
Variant propGet(const ObjectRef& object, std::string_view member, Variant index);
void propPut(const ObjectRef& object, std::string_view member, const Variant& value);
Variant invokeRef(const ObjectRef& object, std::string_view member, std::span<Variant> args);

// Method call with arguments by value.
template <class... Args>
Variant invoke(const ObjectRef& object, std::string_view member, Args&&... args) {
  Variant values[] = {Variant(std::forward<Args>(args))..., Variant()};
  return invokeRef(object, member, std::span<Variant>(values, sizeof...(Args)));
}

}  // namespace automation
