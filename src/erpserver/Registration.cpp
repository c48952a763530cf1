#include "erpserver/Registration.hpp"

#include <string>

#include "erpserver/objects/ServerClasses.hpp"
#include "platform/ComponentRegistry.hpp"

namespace erpserver {
namespace {

constexpr automation::CreatableClass kClasses[] = {
    {"BaseNext", &newBaseNext},
    {"ParametrosAplicacao", &newParametrosAplicacao},
    {"Artigos", &newArtigos},
    {"Clientes", &newClientes},
    {"Fornecedores", &newFornecedores},
    {"DocumentoComercial", &newDocumentoComercial},
    {"DocumentosGcLin", &newDocumentosGcLin},
    {"LotesLinha", &newLotesLinha},
    {"NumSerieLinha", &newNumSerieLinha},
    {"DocumentoContabilistico", &newDocumentoContabilistico},
    {"DocumentoFinanceiro", &newDocumentoFinanceiro},
    {"DocumentosCcLin", &newDocumentosCcLin},
    {"ExcepDescontosComissoes", &newExcepDescontosComissoes},
};

}  // namespace

std::span<const automation::CreatableClass> serverClasses() { return kClasses; }

void registerServer(bool alsoPrimaryPrefix) {
  auto& registry = automation::ComponentRegistry::instance();
  for (const auto& c : kClasses) {
    registry.add(std::string(kFallbackPrefix) + c.name, c.factory);
    if (alsoPrimaryPrefix) registry.add(std::string(kPrimaryPrefix) + c.name, c.factory);
  }
}

void unregisterServer() {
  auto& registry = automation::ComponentRegistry::instance();
  for (const auto& c : kClasses) {
    registry.remove(std::string(kFallbackPrefix) + c.name);
    registry.remove(std::string(kPrimaryPrefix) + c.name);
  }
}

}  // namespace erpserver
