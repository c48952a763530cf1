#include "core/DAL_Next.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"
#include "core/ErpResult.hpp"

// Articles through the ERP's own article object: it validates and stores; the worker only judges
// the result codes. No error record: callers ask the object.
namespace qvd {

bool DAL_Next::ArtigoCriar(automation::ObjectRef& oArtigo) {
  return trap("ArtigoCriar", [&] {
    if (erpresult::chamar(oArtigo, "Validar") != 0) return false;
    return erpresult::chamar(oArtigo, "Inserir") == 0;
  });
}

bool DAL_Next::ArtigoGravar(automation::ObjectRef& oArtigo) {
  return trap("ArtigoGravar", [&] {
    // A refused validation does not stop the update; both must succeed.
    int32_t r1 = erpresult::chamar(oArtigo, "Validar");
    int32_t r2 = erpresult::chamar(oArtigo, "Alterar");
    return r1 == 0 && r2 == 0;
  });
}

bool DAL_Next::ArtigoLer(const std::string& sCodArt, automation::ObjectRef& oArtigo) {
  return trap("ArtigoLer", [&] {
    if (!oArtigo) oArtigo = NxtObjectoCriar(erpclass::Artigos);
    return erpresult::ler(oArtigo, sCodArt) == 0;
  });
}

}  // namespace qvd
