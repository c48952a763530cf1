#pragma once
// The automation value and its conversions. A variant owns its text and shares its object or array
// by counted reference. Threads: a variant is not synchronised; distinct variants may be used on
// distinct threads, even when they share an immutable object.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "platform/Currency.hpp"
#include "platform/Date.hpp"
#include "platform/SafeArray.hpp"

namespace automation {

class Object;
using ObjectRef = std::shared_ptr<Object>;

class Variant;
using VariantArray = SafeArray<Variant>;
using VariantArrayRef = std::shared_ptr<VariantArray>;

// The automation type codes.
enum class VarType : uint16_t {
  Empty = 0,
  Null = 1,
  Integer = 2,  // 16-bit signed
  Long = 3,     // 32-bit signed
  Double = 5,
  Currency = 6,
  Date = 7,
  String = 8,
  Object = 9,
  Boolean = 11,
  Array = 0x200C,  // array of variants
};

// The automation value. Conversions follow the runtime's rules: numbers are rounded half to
// even into integers and raise 6 out of range, text that is no number raises 13, Null raises 94,
// booleans are -1 and 0 as numbers. An array held in a variant is shared, not copied.
class Variant {
 public:
  Variant() = default;
  Variant(bool v) : value_(std::in_place_index<kBoolean>, v) {}
  Variant(int16_t v) : value_(std::in_place_index<kInteger>, v) {}
  Variant(int32_t v) : value_(std::in_place_index<kLong>, v) {}
  Variant(double v) : value_(std::in_place_index<kDouble>, v) {}
  Variant(Currency v) : value_(std::in_place_index<kCurrency>, v) {}
  Variant(Date v) : value_(std::in_place_index<kDate>, v) {}
  Variant(std::string v) : value_(std::in_place_index<kString>, std::move(v)) {}
  Variant(std::string_view v) : value_(std::in_place_index<kString>, v) {}
  Variant(const char* v) : value_(std::in_place_index<kString>, v) {}
  // A pointer would otherwise become a Boolean and a char a number: both are mistakes.
  template <class T>
    requires(!std::is_same_v<std::remove_cv_t<T>, char>)
  Variant(T*) = delete;
  Variant(std::nullptr_t) = delete;
  Variant(char) = delete;
  Variant(ObjectRef v) : value_(std::in_place_index<kObject>, std::move(v)) {}
  template <class T>
    requires std::is_base_of_v<Object, T>
  Variant(std::shared_ptr<T> v) : value_(std::in_place_index<kObject>, std::static_pointer_cast<Object>(std::move(v))) {}
  Variant(VariantArrayRef v) : value_(std::in_place_index<kArray>, std::move(v)) {}
  Variant(VariantArray v) : value_(std::in_place_index<kArray>, std::make_shared<VariantArray>(std::move(v))) {}
  Variant(const Variant&) = default;
  Variant(Variant&&) noexcept = default;
  Variant& operator=(const Variant&) = default;
  Variant& operator=(Variant&&) noexcept = default;
  // Arrays nested however deep are released without recursing, so that no nesting can exhaust
  // the stack.
  ~Variant();

  static Variant null();
  static Variant nothing();  // an object reference that refers to nothing

  VarType type() const noexcept;
  std::string typeName() const;  // "Integer", "String", ... as the runtime's TypeName says
  bool isEmpty() const noexcept { return value_.index() == kEmpty; }
  bool isNull() const noexcept { return value_.index() == kNull; }
  bool isObject() const noexcept { return value_.index() == kObject; }
  bool isArray() const noexcept { return value_.index() == kArray; }
  bool isString() const noexcept { return value_.index() == kString; }
  bool isNumeric() const noexcept;  // a number or a boolean, not text

  bool toBool() const;
  int16_t toInteger() const;
  int32_t toLong() const;
  double toDouble() const;
  Currency toCurrency() const;
  Date toDate() const;
  std::string toString() const;
  ObjectRef toObject() const;  // 13 when the value is no object reference
  template <class T>
  std::shared_ptr<T> toObjectOf() const;  // 13 when the object is not a T; null stays null
  VariantArrayRef toArray() const;        // 13 when the value is no array

  // The same value converted to `type` (Empty and Null stay as they are).
  Variant coerce(VarType type) const;

  // Same type and same value (objects: the same object).
  bool operator==(const Variant& other) const;

 private:
  struct NullTag {
    bool operator==(const NullTag&) const = default;
  };
  enum Index { kEmpty, kNull, kBoolean, kInteger, kLong, kDouble, kCurrency, kDate, kString, kObject, kArray };
  std::variant<std::monostate, NullTag, bool, int16_t, int32_t, double, Currency, Date, std::string, ObjectRef,
               VariantArrayRef>
      value_;

  double numberOrRaise() const;
};

}  // namespace automation

#include "platform/Object.hpp"

namespace automation {

template <class T>
std::shared_ptr<T> Variant::toObjectOf() const {
  ObjectRef o = toObject();
  if (!o) return nullptr;
  auto typed = std::dynamic_pointer_cast<T>(o);
  if (!typed) raise(errnum::TypeMismatch);
  return typed;
}

}  // namespace automation
