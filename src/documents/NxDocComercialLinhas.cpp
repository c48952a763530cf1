#include "documents/NxDocComercialLinhas.hpp"

#include <limits>

namespace qvd {

std::shared_ptr<NxDocComercialLin> NxDocComercialLinhas::Add(const std::string& Armazem, const std::string& Artigo,
                                                             automation::Currency PrecoUnitario,
                                                             automation::Currency Quantidade, int16_t Linha) {
  auto linha = std::make_shared<NxDocComercialLin>();
  linha->Armazem = Armazem;
  linha->Artigo = Artigo;
  linha->PrecoUnitario = PrecoUnitario;
  linha->Quantidade = Quantidade;
  // Count + 1 is not checked against the numbers given explicitly before: it may collide.
  int32_t n = Linha != -1 ? Linha : Count() + 1;
  if (n > std::numeric_limits<int16_t>::max()) automation::raise(automation::errnum::Overflow);
  linha->NumeroDaLinha = static_cast<int16_t>(n);
  store(linha, std::to_string(n));
  return linha;
}

}  // namespace qvd
