#include "core/ErpResult.hpp"

namespace qvd::erpresult {

int32_t chamar(const automation::ObjectRef& oErp, const char* metodo) {
  return automation::invoke(oErp, metodo).toLong();
}

int32_t ler(const automation::ObjectRef& oErp, const std::string& sCodigo) {
  automation::Variant codigo[] = {automation::Variant(sCodigo)};
  return automation::invokeRef(oErp, "Ler", codigo).toLong();
}

void copiarErro(const automation::ObjectRef& oErp, NextError& utNextError) {
  utNextError.lUltimoErro = automation::propGet(oErp, "UltimoErro").toLong();
  utNextError.sTextoErro = automation::propGet(oErp, "UltimaMensagem").toString();
}

}  // namespace qvd::erpresult
