#include "foundation/colLotes.hpp"

namespace qvd {

std::shared_ptr<cLote> colLotes::Add(const std::string& Artigo, double Quantidade, const std::string& Lote,
                                     const std::string& VossoLote, const std::string& sKey) {
  auto lot = std::make_shared<cLote>();
  lot->Artigo(Artigo);
  lot->Quantidade(Quantidade);
  lot->Lote(Lote);
  lot->VossoLote(VossoLote);
  store(lot, sKey);
  return lot;
}

void colLotes::append(const colLotes& other) {
  if (&other == this) return;
  for (const auto& entry : other.items_)
    items_.add(entry.item, items_.containsKey(entry.key) ? std::string() : entry.key);
}

}  // namespace qvd
