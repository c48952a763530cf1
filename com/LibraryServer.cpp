// The library's DLL as a component server: its creatable classes as "QuarvelVaroDav.<Class>",
// with the type library embedded and registered.
#ifdef _WIN32
#include "Classes.hpp"
#include "facade/ClassRegistration.hpp"
#include "platform/com/ComModule.hpp"

namespace {

const automation::com::TypeLibraryId kLibrary{qvdcom::toGuid(qvdcom::kLibraryId), 3, 3};

automation::com::ComServer& server() {
  static automation::com::ComServer s(
      qvdcom::comClasses(qvd::creatableClasses(), qvdcom::kLibraryClasses, {"QuarvelVaroDav."}), &kLibrary);
  return s;
}

}  // namespace

QVD_COM_MODULE(server)
#endif
