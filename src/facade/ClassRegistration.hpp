#pragma once

// The library's creatable classes in the component registry, as
// "QuarvelVaroDav.<Class>": BAL_Next, NxDocComercial, LogErrosApi, cLote,
// colLotes, cDocLotes, cDocPendente and coDoclPendentes. The other public
// classes come back from the members that return them.
#include <span>

#include "platform/ComponentRegistry.hpp"
#include "platform/Export.hpp"

namespace qvd {

// Those classes under their own names ("BAL_Next").
QVD_API std::span<const automation::CreatableClass> creatableClasses();

QVD_API void registerClasses();
QVD_API void unregisterClasses();

}  // namespace qvd
