#include "erpserver/store/FieldIO.hpp"

#include "erpserver/store/DateText.hpp"
#include "erpserver/rules/Refusal.hpp"
#include "platform/Text.hpp"

namespace erpserver {

void bindField(sql::Statement& st, int index, const ServerObject& object, int slot) {
  const FieldSpec& f = object.info().fields()[static_cast<std::size_t>(slot)];
  const Variant& v = object.value(slot);
  switch (f.type) {
    case VarType::String: {
      if (f.storage == Storage::DateText) {
        std::string text = v.toString();
        auto iso = isoFromText(text);
        if (!iso) refuseWith(refusal::InvalidValue, "Data inválida em '" + std::string(f.name) + "': '" + text + "'");
        st.bind(index, *iso);
      } else {
        st.bind(index, v.toString());
      }
      break;
    }
    case VarType::Double: st.bind(index, v.toDouble()); break;
    case VarType::Boolean: st.bind(index, int64_t{v.toBool() ? -1 : 0}); break;
    default: st.bind(index, int64_t{v.toLong()}); break;
  }
}

void loadField(ServerObject& object, int slot, const sql::Statement& st, int column) {
  const FieldSpec& f = object.info().fields()[static_cast<std::size_t>(slot)];
  if (st.isNull(column)) return object.setValue(slot, Variant::null());
  switch (f.type) {
    case VarType::String:
      object.setValue(slot, Variant(f.storage == Storage::DateText ? textFromIso(st.text(column)) : st.text(column)));
      break;
    case VarType::Double: object.setValue(slot, Variant(st.real(column))); break;
    case VarType::Boolean: object.setValue(slot, Variant(st.integer(column) != 0)); break;
    default: object.setValue(slot, Variant(static_cast<int32_t>(st.integer(column)))); break;
  }
}

void checkTextSizes(const ServerObject& object) {
  auto fields = object.info().fields();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].size == 0 || fields[i].type != VarType::String) continue;
    const std::string text = object.value(static_cast<int>(i)).toString();
    if (automation::text::length(text) > static_cast<std::size_t>(fields[i].size))
      refuseWith(refusal::TooLong, "O campo '" + std::string(fields[i].name) + "' excede " +
                                       std::to_string(fields[i].size) + " caracteres: '" + text + "'");
  }
}

std::string columnList(std::span<const FieldSpec> fields, bool withReadOnly, std::vector<int>& slots) {
  std::string out;
  slots.clear();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].column.empty() || (fields[i].readOnly && !withReadOnly)) continue;
    if (!out.empty()) out += ", ";
    out += fields[i].column;
    slots.push_back(static_cast<int>(i));
  }
  return out;
}

bool codeExists(sql::Database& db, std::string_view table, std::string_view code) {
  if (code.empty()) return false;
  auto q = db.query("SELECT 1 FROM " + std::string(table) + " WHERE CODIGO = ?");
  q->bind(1, code);
  return q->step();
}

bool codeExists(sql::Database& db, std::string_view table, int64_t code) {
  auto q = db.query("SELECT 1 FROM " + std::string(table) + " WHERE CODIGO = ?");
  q->bind(1, code);
  return q->step();
}

}  // namespace erpserver
