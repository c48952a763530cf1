#pragma once
// The keys of the documents created since a transaction started.
// Ownership: the worker owns the list while the transaction is open; a caller that took a
// reference keeps it alive after. Threads: the facade's thread only.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Export.hpp"
#include "foundation/KeyedItems.hpp"
#include "foundation/cDocPendente.hpp"

namespace qvd {

// The documents created since a transaction started, in the order created.
class QVD_API coDoclPendentes : public KeyedItems<cDocPendente> {
 public:
  std::string className() const override { return "coDoclPendentes"; }

  // A new document key, stored under `sKey` when it is not empty (457 when taken).
  std::shared_ptr<cDocPendente> Add(int16_t Ano, const std::string& TipoDocumento, int16_t Serie,
                                    int32_t NumeroDocumento, const std::string& sKey = {});

 protected:
  const automation::MemberTable* memberTable() const override;
};

}  // namespace qvd
