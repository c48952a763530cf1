#pragma once

// The library's creatable classes in the component registry, as
// "QuarvelVaroDav.<Class>": BAL_Next, NxDocComercial, LogErrosApi, cLote,
// colLotes, cDocLotes, cDocPendente and coDoclPendentes. The other public
// classes come back from the members that return them.
namespace qvd {

void registerClasses();
void unregisterClasses();

}  // namespace qvd
