// The SQLite data-access object's DLL as a component server: QuarvelVaroDav.SqliteDataAccess,
// which a script opens on a company file with Abrir and hands to the facade.
#ifdef _WIN32
#include <memory>

#include "Classes.hpp"
#include "dataaccess/ScriptDataAccess.hpp"
#include "platform/com/ComModule.hpp"

namespace {

automation::ObjectRef newDataAccess() { return std::make_shared<dataaccess::ScriptDataAccess>(); }

automation::com::ComServer& server() {
  static automation::com::ComServer s({{{"QuarvelVaroDav.SqliteDataAccess"}, qvdcom::toGuid(qvdcom::kSqliteDataAccess), &newDataAccess}},
                                      nullptr);
  return s;
}

}  // namespace

QVD_COM_MODULE(server)
#endif
