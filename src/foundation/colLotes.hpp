#pragma once
// The public collection of a line's lots. Ownership: counted; it holds its lots, which callers
// may hold too. Threads: one at a time, as the facade that made it.

#include <memory>
#include <string>

#include "platform/Export.hpp"
#include "foundation/KeyedItems.hpp"
#include "foundation/cLote.hpp"

namespace qvd {

// The lots of one document line, in the order added.
class QVD_API colLotes : public KeyedItems<cLote> {
 public:
  std::string className() const override { return "colLotes"; }

  // A new lot with `Linha` 0, stored under `sKey` when it is not empty (457 when taken).
  std::shared_ptr<cLote> Add(const std::string& Artigo, double Quantidade, const std::string& Lote,
                             const std::string& VossoLote, const std::string& sKey = {});

  // Appends the lots of `other` (the same objects) that are not here yet, each under its key
  // while that key is free here and without a key otherwise, so that no lot is dropped.
  void append(const colLotes& other);
  bool holds(const cLote& lot) const;
  // Drops the lots that `other` also holds.
  void removeShared(const colLotes& other);
  void clear();

 protected:
  const automation::MemberTable* memberTable() const override;
};

}  // namespace qvd
