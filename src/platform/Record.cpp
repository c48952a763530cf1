// Records inside variants: fields by name, each keeping its declared type.
#include "platform/Record.hpp"

#include "platform/AutomationError.hpp"
#include "platform/LateBindingErrors.hpp"
#include "platform/Members.hpp"
#include "platform/Text.hpp"

namespace automation {

Record::Record(std::string typeName, std::vector<std::pair<std::string, Variant>> fields)
    : typeName_(std::move(typeName)), fields_(std::move(fields)) {}

std::size_t Record::slotOf(std::string_view name) const {
  for (std::size_t i = 0; i < fields_.size(); ++i)
    if (text::equalsIgnoringCase(fields_[i].first, name)) return i;
  raiseUnknownMember(typeName_, name);
}

const Variant &Record::field(std::string_view name) const { return fields_[slotOf(name)].second; }

void Record::set(std::string_view name, const Variant &value) {
  Variant &slot = fields_[slotOf(name)].second;
  // A nested record is replaced only by a record of the same type.
  if (slot.isObject()) {
    auto nested = slot.toObjectOf<Record>();
    auto given = value.toObjectOf<Record>();
    if (!given || (nested && given->typeName() != nested->typeName())) raise(errnum::TypeMismatch);
    slot = value;
    return;
  }
  if (!value.isEmpty() && !value.isNull()) {
    slot = value.coerce(slot.type());
    return;
  }
  switch (slot.type()) {
    case VarType::String:
      slot = Variant(std::string());
      break;
    case VarType::Boolean:
      slot = Variant(false);
      break;
    default:
      slot = Variant(int32_t{0}).coerce(slot.type());
  }
}

Variant Record::get(std::string_view member, std::span<Variant> args) {
  const Variant &value = field(member);
  if (!args.empty()) raiseArgumentCount(typeName_, member, args.size(), 0, 0);
  return value;
}

void Record::put(std::string_view member, const Variant &value) {
  std::size_t slot = slotOf(member);
  try {
    set(member, value);
  } catch (const AutomationError &e) {
    if (e.number() != errnum::TypeMismatch) throw assignedValueError(e, typeName_, fields_[slot].first);
    AutomationError cause(e.number(), {}, mismatch(value.typeName(), fields_[slot].second.typeName()));
    throw assignedValueError(cause, typeName_, fields_[slot].first);
  }
}

const MemberInfo *Record::describe(std::string_view member) const {
  static const MemberInfo info{"", MemberKind::Property, {}, true, {}};
  for (const auto &f : fields_)
    if (text::equalsIgnoringCase(f.first, member)) return &info;
  return nullptr;
}

std::vector<std::string> Record::memberNames() const {
  std::vector<std::string> out;
  for (const auto &f : fields_) out.push_back(f.first);
  return out;
}

}  // namespace automation
