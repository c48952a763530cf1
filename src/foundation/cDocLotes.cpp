#include "foundation/cDocLotes.hpp"

#include <vector>

#include "platform/AutomationError.hpp"

namespace qvd {
namespace {

std::string keyOf(int32_t line) { return std::to_string(line); }

// A line that does not fit 16 bits raises 6 for each lot, which is skipped.
void stampLine(const colLotes& lots, int32_t line) {
  for (const auto& lot : lots) automation::ignoreError([&] { lot->Linha(automation::Variant(line).toInteger()); });
}

}  // namespace

std::shared_ptr<colLotes> cDocLotes::LotesDaLinha(int32_t vData) const {
  auto lots = std::make_shared<colLotes>();
  automation::ignoreError([&] { lots = Item(automation::Variant(keyOf(vData))); });
  return lots;
}

bool cDocLotes::SetLotesDaLinha(int32_t lLinha, const std::shared_ptr<colLotes>& oLotes) {
  if (oLotes) {
    stampLine(*oLotes, lLinha);
    releaseElsewhere(oLotes, lLinha);
  }
  automation::ignoreError([&] { Remove(automation::Variant(keyOf(lLinha))); });
  if (oLotes) automation::ignoreError([&] { store(oLotes, keyOf(lLinha)); });
  return true;
}

void cDocLotes::releaseElsewhere(const std::shared_ptr<colLotes>& lots, int32_t line) {
  std::vector<std::string> emptied;
  for (const auto& entry : items_) {
    if (entry.key == keyOf(line)) continue;
    auto other = entry.item.toObjectOf<colLotes>();
    if (other == lots)
      emptied.push_back(entry.key);
    else
      other->removeShared(*lots);
  }
  for (const auto& key : emptied) Remove(automation::Variant(key));
}

bool cDocLotes::AlteraLinhaLote(int32_t lLinhaOri, int32_t lLinhaDest) {
  std::shared_ptr<colLotes> moved = LotesDaLinha(lLinhaOri);
  automation::ignoreError([&] { Remove(automation::Variant(keyOf(lLinhaOri))); });
  stampLine(*moved, lLinhaDest);
  if (items_.containsKey(keyOf(lLinhaDest)))
    automation::ignoreError([&] {
      LotesDaLinha(lLinhaDest)->append(*moved);
      moved->clear();
    });
  else
    automation::ignoreError([&] { store(moved, keyOf(lLinhaDest)); });
  return true;
}

}  // namespace qvd
