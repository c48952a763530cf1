#pragma once
// The public key of a document created inside a transaction. Ownership: counted, a value
// holder. Threads: one at a time, as the facade that made it.

#include <cstdint>
#include <string>

#include "platform/Export.hpp"
#include "platform/Object.hpp"

namespace qvd {

// The key of one ERP document created inside an open transaction.
class QVD_API cDocPendente : public automation::Object {
 public:
  std::string className() const override { return "cDocPendente"; }

  int32_t NumeroDocumento() const noexcept { return numeroDocumento_; }
  void NumeroDocumento(int32_t value) noexcept { numeroDocumento_ = value; }
  int16_t Serie() const noexcept { return serie_; }
  void Serie(int16_t value) noexcept { serie_ = value; }
  const std::string& TipoDocumento() const noexcept { return tipoDocumento_; }
  void TipoDocumento(const std::string& value) { tipoDocumento_ = value; }
  int16_t Ano() const noexcept { return ano_; }
  void Ano(int16_t value) noexcept { ano_ = value; }

 protected:
  const automation::MemberTable* memberTable() const override;

 private:
  int16_t ano_ = 0;
  std::string tipoDocumento_;
  int16_t serie_ = 0;
  int32_t numeroDocumento_ = 0;
};

}  // namespace qvd
