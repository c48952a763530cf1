#include "core/NewDocument.hpp"

#include <vector>

#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"
#include "platform/Date.hpp"

namespace qvd {

using automation::ObjectRef;
using automation::Variant;

namespace {

// Calls `member` with `object` by reference, then `flags`; the callee may hand back another object.
void callWithObject(const ObjectRef& doc, std::string_view member, ObjectRef& object,
                    std::initializer_list<bool> flags = {}) {
  std::vector<Variant> args;
  args.reserve(1 + flags.size());
  args.emplace_back(object);
  for (bool flag : flags) args.emplace_back(flag);
  automation::invokeRef(doc, member, args);
  object = args.front().toObject();
}

}  // namespace

void NewDocument::create() { doc_ = NxtObjectoCriar(erpclass::DocumentoComercial); }

void NewDocument::put(std::string_view member, const Variant& value) { automation::propPut(doc_, member, value); }

void NewDocument::putCab(std::string_view member, const Variant& value) {
  automation::propPut(automation::propGet(doc_, "Cab").toObject(), member, value);
}

Variant NewDocument::cab(std::string_view member) const {
  return automation::propGet(automation::propGet(doc_, "Cab").toObject(), member);
}

void NewDocument::putCabUnlessEmpty(std::string_view member, const std::string& value) {
  if (!value.empty()) putCab(member, value);
}

void NewDocument::putCabFromData(std::string_view member) { putCab(member, cab("Data")); }

void NewDocument::validar() { automation::invoke(doc_, "Validar"); }

void NewDocument::sugereValoresLin(ObjectRef& line, bool firstFlag) {
  callWithObject(doc_, "SugereValoresLin", line, {firstFlag, true, true, false, true, false, true});
}

void NewDocument::adicionaLinha(ObjectRef& line) { callWithObject(doc_, "AdicionaLinha", line); }

void NewDocument::adicionaLote(ObjectRef& lot) { callWithObject(doc_, "AdicionaLote", lot); }

std::string currentTime(const char* pattern) { return automation::Date::now().format(pattern); }

}  // namespace qvd
