#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "documents/NxDocComercialLin.hpp"
#include "foundation/KeyedItems.hpp"

namespace qvd {

// The lines of a document held in memory, in the order added, each keyed by the decimal text
// of its line number. Item, Count, Remove and enumeration are the keyed collection's own.
class NxDocComercialLinhas : public KeyedItems<NxDocComercialLin> {
 public:
  std::string className() const override { return "NxDocComercialLinhas"; }

  // A new line numbered `Linha`, or Count + 1 when `Linha` is -1 (omitted). A number already
  // used is the collection's duplicate-key error and adds nothing.
  std::shared_ptr<NxDocComercialLin> Add(const std::string& Armazem, const std::string& Artigo,
                                         automation::Currency PrecoUnitario, automation::Currency Quantidade,
                                         int16_t Linha = -1);

 protected:
  const automation::MemberTable* memberTable() const override;
};

}  // namespace qvd
