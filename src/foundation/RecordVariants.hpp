#pragma once

// The public records as they travel inside variants: each as an
// automation::Record named after its type, with the fields in declaration
// order.
#include <memory>
#include <string>
#include <string_view>

#include "platform/Export.hpp"
#include "foundation/Records.hpp"
#include "platform/Members.hpp"
#include "platform/Record.hpp"

namespace qvd {

// A record of `typeName` ("KeyDocumNext", "NextError", "TipificacaoArmazem",
// "TipificacaoTransf") holding its zero values; 13 for any other name.
QVD_API std::shared_ptr<automation::Record> newRecord(std::string_view typeName);

automation::Variant toVariant(const KeyDocumNext &r);
automation::Variant toVariant(const NextError &r);
automation::Variant toVariant(const TipificacaoArmazem &r);
automation::Variant toVariant(const TipificacaoTransf &r);

// 13 unless `v` holds a record of that type; an empty variant is the zero
// record.
void fromVariant(const automation::Variant &v, KeyDocumNext &r);
void fromVariant(const automation::Variant &v, NextError &r);
void fromVariant(const automation::Variant &v, TipificacaoArmazem &r);
void fromVariant(const automation::Variant &v, TipificacaoTransf &r);

// Writes `r` into the record `slot` holds, so that every reference to that
// record sees it; a slot without one gets a new record.
template <class R>
void storeRecord(automation::Variant &slot, const R &r) {
  automation::Variant fresh = toVariant(r);
  auto held = slot.isObject() ? std::dynamic_pointer_cast<automation::Record>(slot.toObject()) : nullptr;
  auto made = fresh.toObjectOf<automation::Record>();
  if (held && held->typeName() == made->typeName()) {
    for (const auto &[name, value] : made->fields()) held->set(name, value);
    return;
  }
  slot = fresh;
}

template <class R>
struct RecordMarshal {
  static std::string wanted() { return toVariant(R{}).template toObjectOf<automation::Record>()->typeName(); }
  static R from(const automation::Variant &v) {
    R r;
    fromVariant(v, r);
    return r;
  }
  static automation::Variant to(const R &r) { return toVariant(r); }
  static void store(automation::Variant &slot, const R &r) { storeRecord(slot, r); }
};

}  // namespace qvd

namespace automation {
template <>
struct Marshal<qvd::KeyDocumNext> : qvd::RecordMarshal<qvd::KeyDocumNext> {};
template <>
struct Marshal<qvd::NextError> : qvd::RecordMarshal<qvd::NextError> {};
template <>
struct Marshal<qvd::TipificacaoArmazem> : qvd::RecordMarshal<qvd::TipificacaoArmazem> {};
template <>
struct Marshal<qvd::TipificacaoTransf> : qvd::RecordMarshal<qvd::TipificacaoTransf> {};
}  // namespace automation
