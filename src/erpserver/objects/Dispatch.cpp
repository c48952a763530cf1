#include "erpserver/objects/Dispatch.hpp"

#include <mutex>

#include "erpserver/store/DateText.hpp"
#include "erpserver/testhooks/Faults.hpp"
#include "platform/AutomationError.hpp"
#include "platform/LateBindingErrors.hpp"
#include "platform/Text.hpp"

namespace erpserver {
namespace {

std::atomic<int32_t> nextObjectId{1};

struct Registry {
  std::mutex mutex;
  std::vector<const ClassInfo*> classes;
};

Registry& registry() {
  static Registry r;
  return r;
}

Variant emptyOf(VarType type) {
  switch (type) {
    case VarType::Integer: return Variant(int16_t{0});
    case VarType::Long: return Variant(int32_t{0});
    case VarType::Double: return Variant(0.0);
    case VarType::Boolean: return Variant(false);
    case VarType::Date: return Variant(automation::Date{});
    case VarType::String: return Variant(std::string());
    default: return Variant();
  }
}

Variant initialOf(const FieldSpec& f) {
  return f.initial == 0 ? emptyOf(f.type) : Variant(f.initial).coerce(f.type);
}

Variant lastErrorOf(ServerObject& o, std::span<Variant>) { return Variant(o.lastError()); }
Variant lastMessageOf(ServerObject& o, std::span<Variant>) { return Variant(o.lastMessage()); }

}  // namespace

ClassInfo::ClassInfo(std::string name, std::span<const FieldSpec> fields, std::span<const MethodSpec> methods)
    : name_(std::move(name)), fields_(fields) {
  auto add = [this](std::string_view n, bool isField, int slot, const FieldSpec* f, Handler h, int lo, int hi,
                    bool property = true) {
    auto& m = members_.emplace_back();
    m.name = n;
    m.folded = automation::text::foldCase(n);
    m.isField = isField;
    m.slot = slot;
    m.field = f;
    m.handler = h;
    m.minArgs = lo;
    m.maxArgs = hi;
    m.info = {std::string(n), property ? automation::MemberKind::Property : automation::MemberKind::Method, {},
              isField && !f->readOnly, {}};
    for (int i = 0; i < hi; ++i)
      m.info.params.push_back(i < lo ? automation::ParamKind::ByValue : automation::ParamKind::Optional);
    byName_[m.folded] = &m;
  };
  for (std::size_t i = 0; i < fields.size(); ++i)
    add(fields[i].name, true, static_cast<int>(i), &fields[i], nullptr, 0, 0);
  for (const auto& m : methods) add(m.name, false, -1, nullptr, m.handler, m.minArgs, m.maxArgs, m.property);
  add("UltimoErro", false, -1, nullptr, &lastErrorOf, 0, 0);
  add("UltimaMensagem", false, -1, nullptr, &lastMessageOf, 0, 0);
  std::lock_guard lock(registry().mutex);
  registry().classes.push_back(this);
}

std::vector<std::string> ClassInfo::names() const {
  std::vector<std::string> out;
  for (const Member& m : members_) out.push_back(m.name);
  return out;
}

const ClassInfo::Member* ClassInfo::find(std::string_view member) const {
  automation::text::FoldedName folded(member);
  auto it = byName_.find(folded.view());
  return it == byName_.end() ? nullptr : it->second;
}

void ClassInfo::resetCounters() {
  std::lock_guard lock(registry().mutex);
  for (const ClassInfo* c : registry().classes)
    for (const auto& m : c->members_) m.accesses.store(0, std::memory_order_relaxed);
}

ServerObject::ServerObject(const ClassInfo& info)
    : info_(info), id_(nextObjectId.fetch_add(1, std::memory_order_relaxed)) {
  values_.reserve(info.fields().size());
  for (const auto& f : info.fields()) values_.push_back(initialOf(f));
}

void ServerObject::setValue(int slot, const Variant& v) {
  const FieldSpec& f = info_.fields()[static_cast<std::size_t>(slot)];
  Variant& target = values_[static_cast<std::size_t>(slot)];
  if (v.isNull() || v.isEmpty())
    target = emptyOf(f.type);
  else if (f.storage == Storage::DateText && v.type() == VarType::Date)
    target = Variant(dateText(v.toDate()));
  else if (v.type() == f.type)
    target = v;
  else
    target = v.coerce(f.type);
}

std::string ServerObject::text(int slot) const { return value(slot).toString(); }
int32_t ServerObject::number(int slot) const { return value(slot).toLong(); }
double ServerObject::real(int slot) const { return value(slot).toDouble(); }

void ServerObject::resetFields() {
  for (std::size_t i = 0; i < values_.size(); ++i) values_[i] = initialOf(info_.fields()[i]);
}

void ServerObject::copyFieldsFrom(const ServerObject& other) { values_ = other.values_; }

int32_t ServerObject::refuse(int32_t code, std::string message) {
  lastError_ = code;
  lastMessage_ = std::move(message);
  return code;
}

void ServerObject::clearError() {
  lastError_ = 0;
  lastMessage_.clear();
}

Variant ServerObject::read(const ClassInfo::Member* m, std::string_view member, std::span<Variant> args) {
  if (!m) automation::raiseUnknownMember(info_.name(), member);
  auto n = static_cast<int>(args.size());
  if (n < m->minArgs || n > m->maxArgs)
    automation::raiseArgumentCount(info_.name(), m->name, args.size(), static_cast<std::size_t>(m->minArgs),
                                   static_cast<std::size_t>(m->maxArgs));
  if (m->isField) return values_[static_cast<std::size_t>(m->slot)];
  return m->handler(*this, args);
}

void ServerObject::write(const ClassInfo::Member* m, std::string_view member, const Variant& value) {
  if (!m) automation::raiseUnknownMember(info_.name(), member);
  if (!m->isField || m->field->readOnly) automation::raiseNotAssignable(info_.name(), m->name);
  try {
    setValue(m->slot, value);
  } catch (const automation::AutomationError& e) {
    if (e.number() != automation::errnum::TypeMismatch) throw automation::assignedValueError(e, info_.name(), m->name);
    automation::AutomationError cause(e.number(), {},
                                      automation::mismatch(value.typeName(), emptyOf(m->field->type).typeName()));
    throw automation::assignedValueError(cause, info_.name(), m->name);
  }
}

template <class Body>
Variant ServerObject::instrumented(AccessKind kind, const ClassInfo::Member* m, uint32_t nth, std::string_view member,
                                  std::span<Variant> args, Body&& body) {
  bool journal = Journal::enabled();
  JournalEntry entry;
  if (journal) entry = JournalEntry{info_.name(), id_, kind, std::string(member), {args.begin(), args.end()}, {}, 0};
  try {
    Faults::Action action;
    if (m && Faults::armed()) action = Faults::before(info_.name(), m->folded, nth);
    if (action.kind == Faults::Action::Raise) automation::raise(action.number, action.text);
    if (action.kind == Faults::Action::Return)
      entry.result = Variant(refuse(action.number, action.text));
    else
      entry.result = body();
  } catch (...) {
    if (journal) {
      entry.error = automation::currentError().number();
      Journal::record(std::move(entry));
    }
    throw;
  }
  if (!journal) return std::move(entry.result);
  Variant result = entry.result;
  if (kind == AccessKind::Put) entry.result = Variant();
  Journal::record(std::move(entry));
  return result;
}

Variant ServerObject::get(std::string_view member, std::span<Variant> args) {
  const auto* m = info_.find(member);
  uint32_t nth = m ? m->accesses.fetch_add(1, std::memory_order_relaxed) + 1 : 0;
  if (!Journal::enabled() && !Faults::armed()) return read(m, member, args);
  return instrumented(AccessKind::Get, m, nth, member, args, [&] { return read(m, member, args); });
}

const automation::MemberInfo* ServerObject::describe(std::string_view member) const {
  const auto* m = info_.find(member);
  return m ? &m->info : nullptr;
}

Variant ServerObject::call(std::string_view member, std::span<Variant> args) {
  const auto* m = info_.find(member);
  uint32_t nth = m ? m->accesses.fetch_add(1, std::memory_order_relaxed) + 1 : 0;
  if (!Journal::enabled() && !Faults::armed()) return read(m, member, args);
  return instrumented(AccessKind::Call, m, nth, member, args, [&] { return read(m, member, args); });
}

void ServerObject::put(std::string_view member, const Variant& value) {
  const auto* m = info_.find(member);
  uint32_t nth = m ? m->accesses.fetch_add(1, std::memory_order_relaxed) + 1 : 0;
  if (!Journal::enabled() && !Faults::armed()) return write(m, member, value);
  Variant copy = value;
  instrumented(AccessKind::Put, m, nth, member, std::span<Variant>(&copy, 1), [&] {
    write(m, member, value);
    return Variant();
  });
}

}  // namespace erpserver
