#pragma once
// The public lot of a document line. Ownership: counted, a value holder. Threads: one at a time,
// as the facade that made it.

#include <cstdint>
#include <string>

#include "platform/Export.hpp"
#include "platform/Object.hpp"

namespace qvd {

// One lot quantity of one article on one document line.
class QVD_API cLote : public automation::Object {
 public:
  std::string className() const override { return "cLote"; }

  const std::string& VossoLote() const noexcept { return vossoLote_; }
  void VossoLote(const std::string& value) { vossoLote_ = value; }
  // The document line the lot belongs to; stamped by cDocLotes.
  int16_t Linha() const noexcept { return linha_; }
  void Linha(int16_t value) noexcept { linha_ = value; }
  const std::string& Lote() const noexcept { return lote_; }
  void Lote(const std::string& value) { lote_ = value; }
  double Quantidade() const noexcept { return quantidade_; }
  void Quantidade(double value) noexcept { quantidade_ = value; }
  const std::string& Artigo() const noexcept { return artigo_; }
  void Artigo(const std::string& value) { artigo_ = value; }

 protected:
  const automation::MemberTable* memberTable() const override;

 private:
  std::string artigo_;
  double quantidade_ = 0;
  std::string lote_;
  int16_t linha_ = 0;
  std::string vossoLote_;
};

}  // namespace qvd
