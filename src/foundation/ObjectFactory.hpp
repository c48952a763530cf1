#pragma once
// Creation of the ERP server's objects by class name, under the ERP's prefixes.
// Ownership: each object created is a counted reference the caller owns.
// Threads: any thread; the ERP's objects act in the latest login made on the creating thread.

#include <string_view>

#include "platform/Export.hpp"
#include "platform/Object.hpp"

namespace qvd {

// Creates an ERP server object from "Prefix.Class": first under the prefix "ERPNGCOAPI", then
// under "ErpApiNextPlus". A name without a dot gives null silently; when neither prefix can
// create the class, one message box and null. Never raises.
QVD_API automation::ObjectRef NxtObjectoCriar(std::string_view sClasse);

}  // namespace qvd
