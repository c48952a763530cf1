#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "erpserver/testhooks/Journal.hpp"
#include "platform/Members.hpp"
#include "platform/Object.hpp"
#include "platform/Variant.hpp"

namespace erpserver {

using automation::Variant;
using automation::VarType;

// How a field's value is kept in its database column.
enum class Storage {
  Plain,     // as it is
  DateText,  // a date held as text "dd-mm-yyyy" by the property and as ISO "yyyy-mm-dd" by the column
};

// A stored property of a server class: declared type, and where the database keeps it.
struct FieldSpec {
  std::string_view name;
  VarType type;
  std::string_view column = {};  // empty: not stored in the class's table
  int size = 0;                  // longest text in characters (0: unlimited)
  Storage storage = Storage::Plain;
  bool readOnly = false;
  double initial = 0;  // value of a numeric field in a new object
};

// The slot of a field, found at compile time (an unknown name does not compile).
template <std::size_t N>
consteval int slotOf(const FieldSpec (&fields)[N], std::string_view name) {
  for (std::size_t i = 0; i < N; ++i)
    if (fields[i].name == name) return static_cast<int>(i);
  throw "no such field";
}

class ServerObject;
using Handler = Variant (*)(ServerObject&, std::span<Variant>);

// A computed property (read on get) or a method of a server class.
struct MethodSpec {
  std::string_view name;
  Handler handler;
  int minArgs = 0;
  int maxArgs = 0;
  bool property = false;  // read for a value, as Cab or Count, rather than an action
};

// The member table of one server class. Names ignore letter case; lookups do not allocate for
// ASCII names. Every access to a member is counted (for fault injection).
class ClassInfo {
 public:
  struct Member {
    std::string name;
    std::string folded;
    bool isField;
    int slot;               // fields: the value slot
    const FieldSpec* field;  // fields
    Handler handler;        // computed properties and methods
    int minArgs, maxArgs;
    automation::MemberInfo info;  // what a host learns through describe
    mutable std::atomic<uint32_t> accesses{0};
  };

  ClassInfo(std::string name, std::span<const FieldSpec> fields, std::span<const MethodSpec> methods);
  ClassInfo(const ClassInfo&) = delete;
  ClassInfo& operator=(const ClassInfo&) = delete;

  const std::string& name() const noexcept { return name_; }
  std::span<const FieldSpec> fields() const noexcept { return fields_; }
  const Member* find(std::string_view member) const;
  std::vector<std::string> names() const;

  // Sets the access counters of every class back to zero.
  static void resetCounters();

 private:
  std::string name_;
  std::span<const FieldSpec> fields_;
  std::deque<Member> members_;
  std::unordered_map<std::string_view, const Member*> byName_;
};

// Base of every server object: its member table drives get, put and call (438 for an unknown
// member); puts coerce to the field's declared type (Null or Empty store the field's empty
// value). Every object also exposes UltimoErro and UltimaMensagem, the last refusal.
class ServerObject : public automation::Object {
 public:
  explicit ServerObject(const ClassInfo& info);

  std::string className() const override { return info_.name(); }
  Variant get(std::string_view member, std::span<Variant> args) override;
  void put(std::string_view member, const Variant& value) override;
  Variant call(std::string_view member, std::span<Variant> args) override;
  const automation::MemberInfo* describe(std::string_view member) const override;
  std::vector<std::string> memberNames() const override { return info_.names(); }

  int32_t objectId() const noexcept { return id_; }
  const ClassInfo& info() const noexcept { return info_; }

  const Variant& value(int slot) const { return values_[static_cast<std::size_t>(slot)]; }
  void setValue(int slot, const Variant& v);
  std::string text(int slot) const;
  int32_t number(int slot) const;
  double real(int slot) const;
  // Every field back to its value in a new object.
  void resetFields();
  // The field values of another object of the same class.
  void copyFieldsFrom(const ServerObject& other);

  int32_t lastError() const noexcept { return lastError_; }
  const std::string& lastMessage() const noexcept { return lastMessage_; }
  // Records a refusal and returns its code.
  [[nodiscard]] int32_t refuse(int32_t code, std::string message);
  void clearError();

 private:
  Variant read(const ClassInfo::Member* m, std::string_view member, std::span<Variant> args);
  void write(const ClassInfo::Member* m, std::string_view member, const Variant& value);
  template <class Body>
  Variant instrumented(AccessKind kind, const ClassInfo::Member* m, uint32_t nth, std::string_view member,
                       std::span<Variant> args, Body&& body);

  const ClassInfo& info_;
  int32_t id_;
  std::vector<Variant> values_;
  int32_t lastError_ = 0;
  std::string lastMessage_;
};

// Adapts a member function of a server class to a Handler.
template <class T>
struct MemberClass;
template <class C, class R, class... A>
struct MemberClass<R (C::*)(A...)> {
  using type = C;
};

template <auto F>
Variant thunk(ServerObject& object, std::span<Variant> args) {
  using T = typename MemberClass<decltype(F)>::type;
  return (static_cast<T&>(object).*F)(args);
}

template <auto F>
constexpr MethodSpec method(std::string_view name, int minArgs = 0, int maxArgs = -1) {
  return MethodSpec{name, &thunk<F>, minArgs, maxArgs < 0 ? minArgs : maxArgs};
}

// A property whose value is computed when read.
template <auto F>
constexpr MethodSpec computed(std::string_view name, int minArgs = 0, int maxArgs = -1) {
  return MethodSpec{name, &thunk<F>, minArgs, maxArgs < 0 ? minArgs : maxArgs, true};
}

}  // namespace erpserver
