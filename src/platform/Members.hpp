#pragma once

// Member tables: how a class answers late-bound calls by name. Each entry is
// made from a C++ member (or a free function taking the object first); its
// parameter kinds come from the signature: `T&` is by reference (the new value
// goes back into the caller's variant), `std::optional<T>` may be left out,
// anything else is by value. A method's (or an indexed property's) parameter
// names are written with its name, "Ler(Scod)", and must be as many as the
// signature has, or the table does not compile.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/AutomationError.hpp"
#include "platform/LateBindingErrors.hpp"
#include "platform/Object.hpp"
#include "platform/Variant.hpp"

namespace automation {

enum class MemberKind : uint8_t { Property, Method };
enum class ParamKind : uint8_t { ByValue, ByRef, Optional };

struct MemberInfo {
  std::string name;  // as the class declares it
  MemberKind kind;
  std::vector<ParamKind> params;  // of the method, or of the property get
  bool writable = false;
  std::vector<std::string> paramNames;  // one for each of params, or none where the class gives none
};

// Conversions between a C++ type and a variant. `from` raises the platform's
// numbers (13, 6, 94, ...); `store` writes a by-reference argument's new value
// into the caller's variant; `wanted` names the type in a type mismatch.
template <class T>
struct Marshal;

template <class T>
struct Marshal<std::optional<T>> {
  static std::string wanted() { return Marshal<T>::wanted(); }
  static std::optional<T> from(const Variant &v) { return Marshal<T>::from(v); }
  static Variant to(const std::optional<T> &v) { return v ? Marshal<T>::to(*v) : Variant(); }
  static void store(Variant &slot, const std::optional<T> &v) { slot = to(v); }
};

// The types a variant converts to directly.
template <class T, T (Variant::*Read)() const, const char *Name>
struct PlainMarshal {
  static std::string wanted() { return Name; }
  static T from(const Variant &v) { return (v.*Read)(); }
  static Variant to(const T &v) { return Variant(v); }
  static void store(Variant &slot, const T &v) { slot = Variant(v); }
};
namespace typenames {
inline constexpr char Boolean[] = "Boolean", Integer[] = "Integer", Long[] = "Long", Double[] = "Double",
                      CurrencyName[] = "Currency", DateName[] = "Date", String[] = "String";
}  // namespace typenames
template <>
struct Marshal<bool> : PlainMarshal<bool, &Variant::toBool, typenames::Boolean> {};
template <>
struct Marshal<int16_t> : PlainMarshal<int16_t, &Variant::toInteger, typenames::Integer> {};
template <>
struct Marshal<int32_t> : PlainMarshal<int32_t, &Variant::toLong, typenames::Long> {};
template <>
struct Marshal<double> : PlainMarshal<double, &Variant::toDouble, typenames::Double> {};
template <>
struct Marshal<Currency> : PlainMarshal<Currency, &Variant::toCurrency, typenames::CurrencyName> {};
template <>
struct Marshal<Date> : PlainMarshal<Date, &Variant::toDate, typenames::DateName> {};
template <>
struct Marshal<std::string> : PlainMarshal<std::string, &Variant::toString, typenames::String> {};

template <>
struct Marshal<Variant> {
  static std::string wanted() { return "Variant"; }
  static const Variant &from(const Variant &v) { return v; }
  static const Variant &to(const Variant &v) { return v; }
  static void store(Variant &slot, const Variant &v) { slot = v; }
};

template <class T>
requires std::is_enum_v<T>
struct Marshal<T> {
  static std::string wanted() { return "Long"; }
  static T from(const Variant &v) { return static_cast<T>(v.toLong()); }
  static Variant to(T v) { return Variant(static_cast<int32_t>(v)); }
  static void store(Variant &slot, T v) { slot = to(v); }
};

// Object references; an empty variant stands for a reference to nothing.
template <class T>
requires std::is_base_of_v<Object, T>
struct Marshal<std::shared_ptr<T>> {
  static std::string wanted() { return "object"; }
  static std::shared_ptr<T> from(const Variant &v) {
    if (v.isEmpty()) return nullptr;
    if constexpr (std::is_same_v<T, Object>)
      return v.toObject();
    else
      return v.toObjectOf<T>();
  }
  static Variant to(const std::shared_ptr<T> &v) { return v ? Variant(v) : Variant::nothing(); }
  static void store(Variant &slot, const std::shared_ptr<T> &v) { slot = to(v); }
};

// Arrays keep their bounds both ways; an empty variant is an array never
// dimensioned.
template <class T>
struct Marshal<SafeArray<T>> {
  static std::string wanted() { return "array of " + Marshal<T>::wanted(); }
  // An element that does not convert is named in the error.
  static SafeArray<T> from(const Variant &v) {
    SafeArray<T> out;
    if (v.isEmpty()) return out;
    VariantArrayRef in = v.toArray();
    if (!in->isDimensioned()) return out;
    out.redim(in->lbound(), in->ubound());
    for (int64_t i = in->lbound(); i <= in->ubound(); ++i) {
      try {
        out(i) = Marshal<T>::from((*in)(i));
      } catch (const AutomationError &e) {
        std::string detail = "element " + std::to_string(i);
        if (e.number() == errnum::TypeMismatch) detail += " is " + mismatch((*in)(i).typeName(), Marshal<T>::wanted());
        throw AutomationError(e.number(), {}, detail);
      }
    }
    return out;
  }
  static Variant to(const SafeArray<T> &a) {
    auto out = std::make_shared<VariantArray>();
    if (a.isDimensioned()) {
      out->redim(a.lbound(), a.ubound());
      for (int64_t i = a.lbound(); i <= a.ubound(); ++i) (*out)(i) = Marshal<T>::to(a(i));
    }
    return Variant(out);
  }
  static void store(Variant &slot, const SafeArray<T> &a) { slot = to(a); }
};

namespace members {

// An argument the member could not take, before the table places it at the class and member.
class ArgumentNotTaken : public AutomationError {
 public:
  ArgumentNotTaken(const AutomationError &cause, int32_t position)
      : AutomationError(cause.number(), {}, cause.description(), position) {}
};

// `value` as a T, or ArgumentNotTaken at `position` naming what was given and what is wanted.
template <class T>
T take(const Variant &value, int32_t position) {
  try {
    return T(Marshal<T>::from(value));
  } catch (...) {
    AutomationError cause = currentError();
    if (cause.number() == errnum::TypeMismatch && cause.description() == standardDescription(errnum::TypeMismatch))
      cause = AutomationError(cause.number(), {}, mismatch(value.typeName(), Marshal<T>::wanted()));
    throw ArgumentNotTaken(cause, position);
  }
}

template <class F>
struct Signature;
template <class C, class R, class... A, bool NE>
struct Signature<R (C::*)(A...) noexcept(NE)> {
  using Self = C;
  using Result = R;
  using Args = std::tuple<A...>;
};
template <class C, class R, class... A, bool NE>
struct Signature<R (C::*)(A...) const noexcept(NE)> {
  using Self = C;
  using Result = R;
  using Args = std::tuple<A...>;
};
template <class C, class R, class... A, bool NE>
struct Signature<R (*)(C &, A...) noexcept(NE)> {
  using Self = C;
  using Result = R;
  using Args = std::tuple<A...>;
};

template <class T>
inline constexpr bool isOptional = false;
template <class T>
inline constexpr bool isOptional<std::optional<T>> = true;

template <class P>
constexpr ParamKind kindOf() {
  using Bare = std::remove_cvref_t<P>;
  if constexpr (std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>)
    return ParamKind::ByRef;
  else if constexpr (isOptional<Bare>)
    return ParamKind::Optional;
  else
    return ParamKind::ByValue;
}

// One argument converted in; a by-reference one goes back out after the call.
template <class P>
struct Slot {
  using Bare = std::remove_cvref_t<P>;
  static constexpr ParamKind kind = kindOf<P>();

  Slot(std::span<Variant> args, std::size_t i)
      : value(i < args.size() ? take<Bare>(args[i], static_cast<int32_t>(i) + 1) : Bare()) {}
  void back(std::span<Variant> args, std::size_t i) const {
    if constexpr (kind == ParamKind::ByRef)
      if (i < args.size()) Marshal<Bare>::store(args[i], value);
  }
  Bare value;
};

template <auto F, class... A, std::size_t... I>
Variant invokeWith(Object &object, std::span<Variant> args, std::tuple<A...> *, std::index_sequence<I...>) {
  using S = Signature<decltype(F)>;
  auto &self = static_cast<typename S::Self &>(object);
  std::tuple<Slot<A>...> slots{Slot<A>(args, I)...};
  using R = std::remove_cvref_t<typename S::Result>;
  if constexpr (std::is_void_v<R>) {
    std::invoke(F, self, std::get<I>(slots).value...);
    (std::get<I>(slots).back(args, I), ...);
    return Variant();
  } else {
    Variant result = Marshal<R>::to(std::invoke(F, self, std::get<I>(slots).value...));
    (std::get<I>(slots).back(args, I), ...);
    return result;
  }
}

template <auto F>
Variant invoke(Object &object, std::span<Variant> args) {
  using Args = typename Signature<decltype(F)>::Args;
  return invokeWith<F>(object, args, static_cast<Args *>(nullptr), std::make_index_sequence<std::tuple_size_v<Args>>());
}

template <class Args>
struct Kinds;
template <class... A>
struct Kinds<std::tuple<A...>> {
  static constexpr ParamKind value[sizeof...(A) + 1] = {kindOf<A>()..., ParamKind::ByValue};
  static constexpr std::size_t size = sizeof...(A);
};

template <auto F>
inline constexpr std::size_t arity = std::tuple_size_v<typename Signature<decltype(F)>::Args>;

// Neither is defined: reached while a table is compiled, they stop the compile at the table's row
// with their name as the message.
void parameterNamesDoNotMatchTheMember();
void memberTextIsNotNameAndParameters();

constexpr bool isIdentifier(std::string_view s) {
  if (s.empty() || (s.front() >= '0' && s.front() <= '9')) return false;
  for (char c : s)
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}

constexpr std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// A member as it reads in a declaration, "CF_DocGenRemover(Origem, utNxtDocKey, utNextError)",
// or its bare name when it has no parameters. The compile stops unless it names exactly the N
// parameters the member has.
template <std::size_t N>
struct Spelled {
  consteval Spelled(const char *text) : name(text) {
    std::size_t open = name.find('(');
    std::size_t count = 0;
    if (open != std::string_view::npos) {
      if (name.back() != ')') memberTextIsNotNameAndParameters();
      params = name.substr(open + 1, name.size() - open - 2);
      name = name.substr(0, open);
      for (std::string_view rest = params; !trimmed(params).empty(); rest.remove_prefix(rest.find(',') + 1)) {
        if (!isIdentifier(trimmed(rest.substr(0, rest.find(','))))) memberTextIsNotNameAndParameters();
        ++count;
        if (rest.find(',') == std::string_view::npos) break;
      }
    }
    if (!isIdentifier(name)) memberTextIsNotNameAndParameters();
    if (count != N) parameterNamesDoNotMatchTheMember();
  }
  std::string_view name;
  std::string_view params;  // the names between the parentheses, separated by commas
};

// Assigns through a setter taking the value in any form.
template <auto F>
void assign(Object &object, const Variant &value) {
  using S = Signature<decltype(F)>;
  using T = std::remove_cvref_t<std::tuple_element_t<0, typename S::Args>>;
  std::invoke(F, static_cast<typename S::Self &>(object), take<T>(value, 1));
}

template <class M>
struct FieldOf;
template <class C, class T>
struct FieldOf<T C::*> {
  using Self = C;
  using Type = T;
};

template <class T>
struct Stored {
  using Type = T;
  static const T &read(const T &v) { return v; }
  static void write(T &v, T value) { v = std::move(value); }
};
// Fields kept in a holder with a call-operator getter and setter.
template <class T>
requires requires(T h) { h(h()); }
struct Stored<T> {
  using Type = std::remove_cvref_t<decltype(std::declval<const T &>()())>;
  static const Type &read(const T &h) { return h(); }
  static void write(T &h, Type value) { h(std::move(value)); }
};

template <auto M>
Variant readField(Object &object, std::span<Variant>) {
  using F = FieldOf<decltype(M)>;
  using St = Stored<typename F::Type>;
  return Marshal<typename St::Type>::to(St::read(static_cast<typename F::Self &>(object).*M));
}
template <auto M>
void writeField(Object &object, const Variant &value) {
  using F = FieldOf<decltype(M)>;
  using St = Stored<typename F::Type>;
  St::write(static_cast<typename F::Self &>(object).*M, take<typename St::Type>(value, 1));
}

}  // namespace members

using Invoker = Variant (*)(Object &, std::span<Variant>);
using Putter = void (*)(Object &, const Variant &);

// One row of a member table.
struct MemberEntry {
  std::string_view name;
  MemberKind kind;
  Invoker invoke;  // the method, or the property get; null for what can only be assigned
  Putter put;      // null for what cannot be assigned
  std::span<const ParamKind> params;
  std::string_view paramNames;  // separated by commas
};

// A method, named with its parameters: method<&C::Ler>("Ler(Scod)").
template <auto F>
constexpr MemberEntry method(members::Spelled<members::arity<F>> text) {
  using K = members::Kinds<typename members::Signature<decltype(F)>::Args>;
  return {text.name, MemberKind::Method, &members::invoke<F>, nullptr, std::span<const ParamKind>(K::value, K::size),
          text.params};
}

// A property read through Get (with the parameters Get takes, named as for a method) and, when
// Put is given, assigned through it.
template <auto Get, auto Put = nullptr>
constexpr MemberEntry property(members::Spelled<members::arity<Get>> text) {
  using K = members::Kinds<typename members::Signature<decltype(Get)>::Args>;
  Putter put = nullptr;
  if constexpr (!std::is_null_pointer_v<decltype(Put)>) put = &members::assign<Put>;
  return {text.name, MemberKind::Property, &members::invoke<Get>, put, std::span<const ParamKind>(K::value, K::size),
          text.params};
}

// A property that can only be assigned; reading it raises 438.
template <auto Put>
constexpr MemberEntry putOnly(std::string_view name) {
  return {name, MemberKind::Property, nullptr, &members::assign<Put>, {}, {}};
}

// A public data member (or value holder) read and written as a property.
template <auto M>
constexpr MemberEntry field(std::string_view name) {
  return {name, MemberKind::Property, &members::readField<M>, &members::writeField<M>, {}, {}};
}

// The members of one class by name (letter case ignored). A property read may
// be called and a method may be read, as late-bound callers do; assigning what
// has no put raises 438. The errors of the dispatch itself (an unknown member, a
// wrong argument count, an argument that does not convert) carry the class and
// member as their source.
class MemberTable {
 public:
  MemberTable(std::string className, std::initializer_list<MemberEntry> entries);

  Variant get(Object &object, std::string_view member, std::span<Variant> args) const;
  void put(Object &object, std::string_view member, const Variant &value) const;
  Variant call(Object &object, std::string_view member, std::span<Variant> args) const;
  const MemberInfo *describe(std::string_view member) const;

  const std::string &className() const noexcept { return className_; }
  std::vector<std::string> names() const;

 private:
  struct Row {
    MemberInfo info;
    Invoker invoke;
    Putter put;
    int minArgs;
  };
  const Row &find(std::string_view member) const;
  Variant run(const Row &row, Object &object, std::span<Variant> args) const;

  std::string className_;
  std::vector<Row> rows_;
  std::unordered_map<std::string, std::size_t> byName_;  // folded name -> row
};

// Arguments given by name, for hosts that take them: the position (from 0) of `member`'s
// parameter `name`, letter case ignored (448 when it has none of that name); and the arguments in
// the member's order from those given by position followed by those placed at `named` positions
// (450 for a position given twice, 449 for one left out before the last given).
std::size_t parameterPosition(const MemberInfo *info, std::string_view className, std::string_view member,
                              std::string_view name);
std::vector<Variant> placeArguments(std::vector<Variant> positional,
                                    std::span<const std::pair<std::size_t, Variant>> named,
                                    std::string_view className, std::string_view member, const MemberInfo *info);

}  // namespace automation
