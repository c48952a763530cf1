#include "core/DAL_Next.hpp"
#include "facade/BAL_Next.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"

// New articles and clients from existing ones: only the listed fields are copied, in the order
// the ERP expects them set.
namespace qvd {

using automation::ObjectRef;
using automation::propGet;
using automation::propPut;

bool BAL_Next::ArtigoDuplicar(const std::string& sOldArt, const std::string& sNewArt, const std::string& sNewUni) {
  return trap("ArtigoDuplicar", [&] {
    ObjectRef origem;
    if (!oDAL->ArtigoLer(sOldArt, origem)) return false;
    ObjectRef novo = NxtObjectoCriar(erpclass::Artigos);
    propPut(novo, "Codigo", sNewArt);
    propPut(novo, "UnBase", sNewUni);
    propPut(novo, "TpBem", propGet(origem, "TpBem"));
    propPut(novo, "IVA", propGet(origem, "IVA"));
    propPut(novo, "Nome", propGet(origem, "Nome"));
    return oDAL->ArtigoCriar(novo);
  });
}

bool BAL_Next::CriarArtigo(const std::string& sCodBase, const std::string& Scod, std::string& sDescr) {
  return trap("CriarArtigo", [&] {
    ObjectRef modelo;
    if (!oDAL->ArtigoLer(sCodBase, modelo)) return false;
    std::string sUnBase = propGet(modelo, "UnBase").toString();
    int16_t iTpBem = propGet(modelo, "TpBem").toInteger();
    int16_t iIva = propGet(modelo, "IVA").toInteger();
    std::string sGrupo = propGet(modelo, "Grupo").toString();
    int16_t iCtrSto = propGet(modelo, "CtrSto").toInteger();
    std::string sUnVnd = propGet(modelo, "UnVnd").toString();
    modelo = nullptr;

    ObjectRef novo = NxtObjectoCriar(erpclass::Artigos);
    propPut(novo, "Codigo", Scod);
    propPut(novo, "Nome", sDescr);
    propPut(novo, "UnBase", sUnBase);
    propPut(novo, "TpBem", iTpBem);
    propPut(novo, "IVA", iIva);
    propPut(novo, "Grupo", sGrupo);
    propPut(novo, "CtrSto", iCtrSto);
    propPut(novo, "UnVnd", sUnVnd);
    return oDAL->ArtigoCriar(novo);
  });
}

bool BAL_Next::CriarCliente(const std::string& sCodBase, const std::string& Scod, std::string& sNome,
                            std::string& sMorada, std::string& sNumCont, std::string& sLocalidade,
                            std::string& sCodPostal) {
  return trap("CriarCliente", [&] {
    LimparErro();
    ObjectRef modelo = NxtObjectoCriar(erpclass::Clientes);
    if (!oDAL->ClienteLer(sCodBase, modelo, utErro)) return false;
    std::string sRegIva = propGet(modelo, "REGIVA").toString();
    std::string sMoeda = propGet(modelo, "Moeda").toString();
    std::string sVended = propGet(modelo, "VENDED").toString();
    std::string sZonaGe = propGet(modelo, "ZONAGE").toString();
    std::string sPais = propGet(modelo, "Pais").toString();
    modelo = nullptr;

    ObjectRef novo = NxtObjectoCriar(erpclass::Clientes);
    propPut(novo, "Nome", sNome);
    propPut(novo, "REGIVA", sRegIva);
    propPut(novo, "Moeda", sMoeda);
    propPut(novo, "VENDED", sVended);
    propPut(novo, "ZONAGE", sZonaGe);
    propPut(novo, "Pais", sPais);
    propPut(novo, "Codigo", Scod);
    propPut(novo, "Nome", sNome);
    propPut(novo, "Morada", sMorada);
    propPut(novo, "NCONTR", sNumCont);
    propPut(novo, "LOCAL_", sLocalidade);
    propPut(novo, "CDPOST", sCodPostal);
    return oDAL->ClienteCriar(novo, utErro);
  });
}

}  // namespace qvd
