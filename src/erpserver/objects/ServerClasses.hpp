#pragma once

#include "platform/Object.hpp"

// Factories of the server's creatable classes.
namespace erpserver {

automation::ObjectRef newBaseNext();
automation::ObjectRef newParametrosAplicacao();
automation::ObjectRef newArtigos();
automation::ObjectRef newClientes();
automation::ObjectRef newFornecedores();
automation::ObjectRef newDocumentoComercial();
automation::ObjectRef newDocumentosGcLin();
automation::ObjectRef newLotesLinha();
automation::ObjectRef newNumSerieLinha();
automation::ObjectRef newDocumentoContabilistico();
automation::ObjectRef newDocumentoFinanceiro();
automation::ObjectRef newDocumentosCcLin();
automation::ObjectRef newExcepDescontosComissoes();

}  // namespace erpserver
