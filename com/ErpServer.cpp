// The reference ERP's DLL as a component server, under the ERP's own class names with either
// prefix, so that the library reaches it as it would the production ERP.
#ifdef _WIN32
#include "Classes.hpp"
#include "erpserver/Registration.hpp"
#include "platform/com/ComModule.hpp"

namespace {

automation::com::ComServer& server() {
  static automation::com::ComServer s(qvdcom::comClasses(erpserver::serverClasses(), qvdcom::kErpClasses,
                                                         {erpserver::kPrimaryPrefix, erpserver::kFallbackPrefix}),
                                      nullptr);
  return s;
}

}  // namespace

QVD_COM_MODULE(server)
#endif
