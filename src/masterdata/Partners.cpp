#include "core/DAL_Next.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"
#include "core/ErpResult.hpp"

// Clients and suppliers through the ERP's own objects. Failures of the client operations and of
// the supplier insert are explained in the caller's error record.
namespace qvd {

namespace {

// Validates and, when valid, inserts; the error of whichever call was last made is reported.
bool validarEInserir(const automation::ObjectRef& oErp, NextError& utNextError) {
  int32_t r = erpresult::chamar(oErp, "Validar");
  if (r == 0) r = erpresult::chamar(oErp, "Inserir");
  if (r != 0) erpresult::copiarErro(oErp, utNextError);
  return r == 0;
}

}  // namespace

bool DAL_Next::ClienteLer(const std::string& Scod, automation::ObjectRef& oCliente, NextError& utNextError) {
  return trap("ClienteLer", [&] {
    if (!oCliente) oCliente = NxtObjectoCriar(erpclass::Clientes);
    int32_t r = erpresult::ler(oCliente, Scod);
    if (r != 0) erpresult::copiarErro(oCliente, utNextError);
    return r == 0;
  });
}

bool DAL_Next::ClienteCriar(automation::ObjectRef& oCliente, NextError& utNextError) {
  return trap("ClienteCriar", [&] { return validarEInserir(oCliente, utNextError); });
}

bool DAL_Next::FornecedorCriar(automation::ObjectRef& oFornec, NextError& utNextError) {
  return trap("FornecedorCriar", [&] { return validarEInserir(oFornec, utNextError); });
}

// The supplier object must come from the caller: none is created here.
bool DAL_Next::FornecedorLer(const std::string& Scod, automation::ObjectRef& oFornec) {
  return trap("FornecedorLer", [&] { return erpresult::ler(oFornec, Scod) == 0; });
}

}  // namespace qvd
