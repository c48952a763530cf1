#include "documents/ErpDocument.hpp"

namespace qvd::erpdoc {

using automation::ObjectRef;
using automation::propGet;

int32_t ler(const ObjectRef& oDoc, const std::string& sTpDoc, int32_t lNumDoc, int16_t iSerie, int16_t iAno) {
  return automation::invoke(oDoc, "Ler", sTpDoc, lNumDoc, iSerie, iAno).toLong();
}

int32_t ler(const ObjectRef& oDoc, const KeyDocumNext& utNxtDocKey) {
  return ler(oDoc, utNxtDocKey.sTpDoc, utNxtDocKey.lNumDoc, utNxtDocKey.iSerie, utNxtDocKey.iAno);
}

ObjectRef cab(const ObjectRef& oDoc) { return propGet(oDoc, "Cab").toObject(); }

int32_t numeroDeLinhas(const ObjectRef& oDoc) { return propGet(propGet(oDoc, "Linhas").toObject(), "Count").toLong(); }

ObjectRef linha(const ObjectRef& oDoc, int32_t i) { return propGet(oDoc, "Linhas", automation::Variant(i)).toObject(); }

}  // namespace qvd::erpdoc
