#include "foundation/coDoclPendentes.hpp"

namespace qvd {

std::shared_ptr<cDocPendente> coDoclPendentes::Add(int16_t Ano, const std::string& TipoDocumento, int16_t Serie,
                                                   int32_t NumeroDocumento, const std::string& sKey) {
  auto document = std::make_shared<cDocPendente>();
  document->Ano(Ano);
  document->TipoDocumento(TipoDocumento);
  document->Serie(Serie);
  document->NumeroDocumento(NumeroDocumento);
  store(document, sKey);
  return document;
}

}  // namespace qvd
