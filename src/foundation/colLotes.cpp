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
  for (const auto& entry : other.items_) {
    if (holds(*entry.item.toObjectOf<cLote>())) continue;
    items_.add(entry.item, items_.containsKey(entry.key) ? std::string() : entry.key);
  }
}

bool colLotes::holds(const cLote& lot) const {
  for (const auto& mine : *this)
    if (mine.get() == &lot) return true;
  return false;
}

void colLotes::removeShared(const colLotes& other) {
  for (int32_t position = Count(); position >= 1; --position)
    if (other.holds(*Item(automation::Variant(position)))) Remove(automation::Variant(position));
}

void colLotes::clear() {
  while (Count() > 0) Remove(automation::Variant(int32_t{1}));
}

}  // namespace qvd
