#include "erpserver/testhooks/Journal.hpp"

#include <atomic>
#include <mutex>

#include "erpserver/objects/Dispatch.hpp"

namespace erpserver {
namespace {

std::atomic<bool> journalOn{false};

struct Store {
  std::mutex mutex;
  std::vector<JournalEntry> entries;
};

Store& store() {
  static Store s;
  return s;
}

std::string renderArgs(const std::vector<automation::Variant>& args) {
  std::string out;
  for (const auto& a : args) out += (out.empty() ? "" : ", ") + Journal::render(a);
  return out;
}

std::string outcome(const JournalEntry& e) {
  return e.error ? "error " + std::to_string(e.error) : Journal::render(e.result);
}

}  // namespace

void Journal::enable(bool on) { journalOn.store(on, std::memory_order_relaxed); }
bool Journal::enabled() noexcept { return journalOn.load(std::memory_order_relaxed); }

void Journal::clear() {
  std::lock_guard lock(store().mutex);
  store().entries.clear();
}

std::vector<JournalEntry> Journal::entries() {
  std::lock_guard lock(store().mutex);
  return store().entries;
}

void Journal::record(JournalEntry entry) {
  std::lock_guard lock(store().mutex);
  store().entries.push_back(std::move(entry));
}

std::vector<std::string> Journal::lines() {
  std::vector<std::string> out;
  for (const auto& e : entries()) out.push_back(render(e));
  return out;
}

std::string Journal::render(const automation::Variant& value) {
  using automation::VarType;
  switch (value.type()) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Object: {
      auto object = value.toObject();
      if (!object) return "Nothing";
      auto* server = dynamic_cast<ServerObject*>(object.get());
      return server ? object->className() + "#" + std::to_string(server->objectId()) : object->className();
    }
    case VarType::Array: {
      auto array = value.toArray();
      if (!array->isDimensioned()) return "Variant()";
      return "Variant(" + std::to_string(array->lbound()) + " To " + std::to_string(array->ubound()) + ")";
    }
    case VarType::String: {
      std::string out(1, '"');
      out += value.toString();
      return out += "\" (String)";
    }
    default: return value.toString() + " (" + value.typeName() + ")";
  }
}

std::string Journal::render(const JournalEntry& e) {
  std::string out = e.className + "#" + std::to_string(e.objectId) + " ";
  switch (e.kind) {
    case AccessKind::Put:
      out += "put " + e.member + " = ";
      out += e.args.empty() ? "Empty" : render(e.args.front());
      if (e.error) out += " -> " + outcome(e);
      return out;
    case AccessKind::Get:
      out += "get " + e.member;
      if (!e.args.empty()) (out += '(') += renderArgs(e.args) += ')';
      return out += " -> " + outcome(e);
    case AccessKind::Call:
      out += "call " + e.member;
      (out += '(') += renderArgs(e.args) += ')';
      return out += " -> " + outcome(e);
  }
  return out;
}

}  // namespace erpserver
