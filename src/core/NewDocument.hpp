#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/Object.hpp"
#include "platform/Variant.hpp"

namespace qvd {

// The ERP commercial document an operation is filling, with the calls every builder makes on
// it. The header is asked for afresh on every access: the ERP hands out its live object.
class NewDocument {
 public:
  // Creates the ERP document through the factory. A null result is kept: the first access then
  // fails with 91, inside the operation's error trap.
  void create();
  automation::ObjectRef& object() noexcept { return doc_; }
  void release() noexcept { doc_.reset(); }

  // A property of the document object itself (not of its header).
  void put(std::string_view member, const automation::Variant& value);

  void putCab(std::string_view member, const automation::Variant& value);
  automation::Variant cab(std::string_view member) const;
  // Leaves the ERP's default in place when `value` is empty.
  void putCabUnlessEmpty(std::string_view member, const std::string& value);
  // Puts the document date as the ERP holds it, read back, not as the caller wrote it.
  void putCabFromData(std::string_view member);

  // The early validation: its result code is not examined.
  void validar();
  // The ERP suggests the line's values; `firstFlag` is the first of the seven switches, the
  // other six are always true, true, false, true, false, true.
  void sugereValoresLin(automation::ObjectRef& line, bool firstFlag);
  // The results (the new line's number, the lot's) are not used.
  void adicionaLinha(automation::ObjectRef& line);
  void adicionaLote(automation::ObjectRef& lot);

 private:
  automation::ObjectRef doc_;
};

// The current local time as text, "hh:mm:ss" or "hh:nn".
std::string currentTime(const char* pattern);

}  // namespace qvd
