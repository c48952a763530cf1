#include "core/DAL_Next.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"

namespace qvd {

using automation::invoke;
using automation::propPut;

bool DAL_Next::ApiInicia(const std::string& sPercWin, const std::string& sFlLog, const std::string& sEmp,
                         const std::string& sLogin, const std::string& sPassword) {
  return trap("ApiInicia", [&] {
    if (oBaseNext) return true;
    oBaseNext = NxtObjectoCriar(erpclass::BaseNext);
    propPut(oBaseNext, "PercLOG", sFlLog);
    propPut(oBaseNext, "PercIni", sPercWin);
    propPut(oBaseNext, "Empresa", sEmp);
    propPut(oBaseNext, "Login", sLogin);
    propPut(oBaseNext, "PassWord", sPassword);
    if (invoke(oBaseNext, "Iniciar").toLong() != 0) {
      oBaseNext = nullptr;
      return false;
    }
    oParametros = NxtObjectoCriar(erpclass::ParametrosAplicacao);
    sPastaLog = sFlLog;
    // The log switch belongs to the session: callers set it again after opening one.
    opcoes.UsaLogOstrel = false;
    return true;
  });
}

bool DAL_Next::ApiTermina() {
  return trap("ApiTermina", [&] {
    if (oBaseNext) {
      invoke(oBaseNext, "Terminar");
      oBaseNext = nullptr;
      oParametros = nullptr;
    }
    return true;
  });
}

void DAL_Next::DataAccess(const automation::Variant& vData) {
  trap("DataAccess Property Set", [&] { oDataAccess = vData.toObjectOf<IDataAccess>(); });
}

automation::Variant DAL_Next::DataAccess() const {
  return trap("DataAccess Property Get", [&] { return automation::Variant(oDataAccess); });
}

IDataAccess& DAL_Next::dataAccess() const {
  if (!oDataAccess) automation::raise(automation::errnum::ObjectNotSet);
  return *oDataAccess;
}

}  // namespace qvd
