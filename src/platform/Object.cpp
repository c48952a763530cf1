#include "platform/Object.hpp"

#include "platform/AutomationError.hpp"

namespace automation {
namespace {

Object& target(const ObjectRef& object) {
  if (!object) raise(errnum::ObjectNotSet);
  return *object;
}

}  // namespace

Variant Object::get(std::string_view, std::span<Variant>) { raise(errnum::MemberNotSupported); }
void Object::put(std::string_view, const Variant&) { raise(errnum::MemberNotSupported); }
Variant Object::call(std::string_view, std::span<Variant>) { raise(errnum::MemberNotSupported); }

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
