#include "core/DAL_Next.hpp"
#include "facade/BAL_Next.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"
#include "core/ErpResult.hpp"

// Reading and saving articles, clients and suppliers: each member hands the worker its own ERP
// object and, where it reports through the error record, resets that first.
namespace qvd {

using automation::ObjectRef;

// Whatever the caller passed is dropped: the article comes back in a fresh object, read or not.
bool BAL_Next::LerArtigo(const std::string& Scod, ObjectRef& oArtigo) {
  return trap("LerArtigo", [&] {
    oArtigo = NxtObjectoCriar(erpclass::Artigos);
    return oDAL->ArtigoLer(Scod, oArtigo);
  });
}

bool BAL_Next::GravarArtigo(ObjectRef& oArtigo) {
  return trap("GravarArtigo", [&] { return oDAL->ArtigoGravar(oArtigo); });
}

// The worker leaves the explanation in the article object; the facade keeps it in its record.
bool BAL_Next::ArtigoCriar(ObjectRef& oArtigo) {
  return trap("ArtigoCriar", [&] {
    LimparErro();
    bool r = oDAL->ArtigoCriar(oArtigo);
    if (!r) erpresult::copiarErro(oArtigo, utErro);
    return r;
  });
}

bool BAL_Next::LerCliente(const std::string& Scod, ObjectRef& oCliente) {
  return trap("LerCliente", [&] {
    LimparErro();
    oCliente = NxtObjectoCriar(erpclass::Clientes);
    return oDAL->ClienteLer(Scod, oCliente, utErro);
  });
}

bool BAL_Next::ClienteCriar(ObjectRef& oCliente) {
  return trap("ClienteCriar", [&] {
    LimparErro();
    return oDAL->ClienteCriar(oCliente, utErro);
  });
}

bool BAL_Next::LerFornecedor(const std::string& Scod, ObjectRef& oFornec) {
  return trap("LerFornecedor", [&] {
    oFornec = NxtObjectoCriar(erpclass::Fornecedores);
    return oDAL->FornecedorLer(Scod, oFornec);
  });
}

bool BAL_Next::CriarFornecedor(ObjectRef& oFornec) {
  return trap("CriarFornecedor", [&] {
    LimparErro();
    return oDAL->FornecedorCriar(oFornec, utErro);
  });
}

}  // namespace qvd
