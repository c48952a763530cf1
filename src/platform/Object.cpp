#include "platform/Object.hpp"

#include "platform/AutomationError.hpp"
#include "platform/LateBindingErrors.hpp"
#include "platform/Members.hpp"

namespace automation {
namespace {

Object& target(const ObjectRef& object) {
  if (!object) raise(errnum::ObjectNotSet);
  return *object;
}

}  // namespace

Variant Object::get(std::string_view member, std::span<Variant> args) {
  const MemberTable* table = memberTable();
  if (!table) raiseUnknownMember(className(), member);
  return table->get(*this, member, args);
}

void Object::put(std::string_view member, const Variant& value) {
  const MemberTable* table = memberTable();
  if (!table) raiseUnknownMember(className(), member);
  table->put(*this, member, value);
}

Variant Object::call(std::string_view member, std::span<Variant> args) {
  const MemberTable* table = memberTable();
  if (!table) raiseUnknownMember(className(), member);
  return table->call(*this, member, args);
}

const MemberInfo* Object::describe(std::string_view member) const {
  const MemberTable* table = memberTable();
  return table ? table->describe(member) : nullptr;
}

std::vector<std::string> Object::memberNames() const {
  const MemberTable* table = memberTable();
  return table ? table->names() : std::vector<std::string>();
}

Variant propGet(const ObjectRef& object, std::string_view member) { return target(object).get(member, {}); }

Variant propGet(const ObjectRef& object, std::string_view member, Variant index) {
  return target(object).get(member, std::span<Variant>(&index, 1));
}

void propPut(const ObjectRef& object, std::string_view member, const Variant& value) {
  target(object).put(member, value);
}

Variant invokeRef(const ObjectRef& object, std::string_view member, std::span<Variant> args) {
  return target(object).call(member, args);
}

}  // namespace automation
