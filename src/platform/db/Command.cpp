#include "platform/db/Command.hpp"

#include "platform/AutomationError.hpp"
#include "platform/Text.hpp"
#include "platform/db/FieldValues.hpp"
#include "platform/db/ItemNotFound.hpp"

namespace automation::db {
namespace {

std::string_view withoutAt(std::string_view name) { return name.starts_with('@') ? name.substr(1) : name; }

}  // namespace

Parameter::Parameter(std::string name, DataType type, ParameterDirection direction, int32_t size, Variant value)
    : name_(std::move(name)), type_(type), direction_(direction), size_(size) {
  SetValue(value);
}

void Parameter::SetValue(const Variant& value) { value_ = asFieldValue(type_, value); }

void Parameters::Append(ParameterRef parameter) {
  if (!parameter) raise(errnum::ObjectNotSet);
  if (find(parameter->Name())) {
    raise(dberr::AlreadyInCollection, "The command already has a parameter \"" + parameter->Name() + "\".",
          "Parameters");
  }
  items_.push_back(std::move(parameter));
}

Parameter* Parameters::find(std::string_view name) const {
  for (const ParameterRef& p : items_) {
    if (text::equalsIgnoringCase(withoutAt(p->Name()), withoutAt(name))) return p.get();
  }
  return nullptr;
}

Parameter& Parameters::Item(const Variant& nameOrOrdinal) const {
  if (nameOrOrdinal.isNumeric()) {
    int32_t ordinal = nameOrOrdinal.toLong();
    if (ordinal >= 0 && ordinal < Count()) return *items_[static_cast<std::size_t>(ordinal)];
  } else if (Parameter* p = find(nameOrOrdinal.toString())) {
    return *p;
  }
  raiseItemNotFound("parameter", nameOrOrdinal.toString(), "Parameters");
}

ParameterRef Command::CreateParameter(std::string name, DataType type, ParameterDirection direction, int32_t size,
                                      const Variant& value) const {
  return std::make_shared<Parameter>(std::move(name), type, direction, size, value);
}

RecordsetRef Command::Execute() {
  if (!connection_) {
    raise(dberr::NoConnection, "The command has no open connection to run on.", "Command");
  }
  std::vector<NamedValue> values;
  for (const ParameterRef& p : parameters_.items_) {
    if (isText(p->Type()) && p->Size() > 0 && p->Value().isString() &&
        text::length(p->Value().toString()) > static_cast<std::size_t>(p->Size())) {
      connection_->fail("The value of the parameter " + p->Name() + " is longer than its size of " +
                        std::to_string(p->Size()) + " characters.");
    }
    values.push_back(NamedValue{p->Name(), p->Value()});
  }
  if (type_ == ::automation::db::CommandType::StoredProc) return connection_->engine().callProcedure(text_, values);
  return connection_->Execute(text_, values);
}

}  // namespace automation::db
