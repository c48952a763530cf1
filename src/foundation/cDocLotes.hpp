#pragma once
// The lots of a whole document, one lot collection per line.
// Ownership: it holds counted references to its line collections, which a caller may share.
// Threads: one thread at a time, like the facade whose operations it is handed to.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Export.hpp"
#include "foundation/KeyedItems.hpp"
#include "foundation/colLotes.hpp"

namespace qvd {

// The lots of a whole document: one colLotes per document line, stored under the line number
// written in decimal. The three members of its own ignore every error statement by statement.
class QVD_API cDocLotes : public KeyedItems<colLotes> {
 public:
  std::string className() const override { return "cDocLotes"; }

  // The collection stored for line `vData`, or a new empty one that is not stored.
  std::shared_ptr<colLotes> LotesDaLinha(int32_t vData) const;

  // Stamps every lot of `oLotes` with the line and stores `oLotes` itself under it, last in
  // order, replacing what the line held; its lots leave every other line, so that no lot sits
  // on two lines. A null `oLotes` just clears the line. Always true.
  bool SetLotesDaLinha(int32_t lLinha, const std::shared_ptr<colLotes>& oLotes);

  // Moves the lots of line `lLinhaOri` to line `lLinhaDest`. When the destination already holds
  // a collection, the moved lots are appended to it and leave the source collection, which
  // the caller may still hold and store again. Always true.
  bool AlteraLinhaLote(int32_t lLinhaOri, int32_t lLinhaDest);

 protected:
  const automation::MemberTable* memberTable() const override;

 private:
  // Takes `lots` and every lot in it off every line other than `line`.
  void releaseElsewhere(const std::shared_ptr<colLotes>& lots, int32_t line);
};

}  // namespace qvd
