#include "facade/BAL_Next.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"

// New ERP objects for the caller, who owns them. No session is needed, nothing is reset and no
// error is handled: the factory itself never raises.
namespace qvd {

automation::ObjectRef BAL_Next::NxtAlloc_ParametrosAplicacao() {
  return NxtObjectoCriar(erpclass::ParametrosAplicacao);
}
automation::ObjectRef BAL_Next::NxtAlloc_Artigos() { return NxtObjectoCriar(erpclass::Artigos); }
automation::ObjectRef BAL_Next::NxtAlloc_Clientes() { return NxtObjectoCriar(erpclass::Clientes); }
automation::ObjectRef BAL_Next::NxtAlloc_Fornecedores() { return NxtObjectoCriar(erpclass::Fornecedores); }
automation::ObjectRef BAL_Next::NxtAlloc_DocumentoComercial() { return NxtObjectoCriar(erpclass::DocumentoComercial); }
automation::ObjectRef BAL_Next::NxtAlloc_DocumentosGcLin() { return NxtObjectoCriar(erpclass::DocumentosGcLin); }
automation::ObjectRef BAL_Next::NxtAlloc_LotesLinha() { return NxtObjectoCriar(erpclass::LotesLinha); }
automation::ObjectRef BAL_Next::NxtAlloc_NumSerieLinha() { return NxtObjectoCriar(erpclass::NumSerieLinha); }
automation::ObjectRef BAL_Next::NxtAlloc_DocumentoContabilistico() {
  return NxtObjectoCriar(erpclass::DocumentoContabilistico);
}
automation::ObjectRef BAL_Next::NxtAlloc_DocumentoFinanceiro() {
  return NxtObjectoCriar(erpclass::DocumentoFinanceiro);
}
automation::ObjectRef BAL_Next::NxtAlloc_DocumentosCcLin() { return NxtObjectoCriar(erpclass::DocumentosCcLin); }

}  // namespace qvd
