#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "documents/NxDocComercialCab.hpp"
#include "documents/NxDocComercialLinhas.hpp"
#include "platform/Object.hpp"

namespace qvd {

// One commercial document held in memory, header and lines, that reads itself from, inserts
// itself into and removes itself from the ERP. It talks to the ERP server directly: no line
// suggestions, no transaction list, no accounting document.
class NxDocComercial : public automation::Object {
 public:
  std::string className() const override { return "NxDocComercial"; }

  std::shared_ptr<NxDocComercialLinhas> Linhas() const { return linhas_; }
  std::shared_ptr<NxDocComercialCab> Cab() const { return cab_; }

  // Replaces the header and lines with the ERP document's; on a refusal they stay as they were.
  [[nodiscard]] bool Ler(const std::string& Tipodoc, int32_t Numdoc, int16_t Serie, int16_t Ano);
  // Validates and inserts the document as held; only the header's number comes back.
  [[nodiscard]] bool Inserir();
  // Removes the ERP document named by the header; on success header and lines start afresh.
  [[nodiscard]] bool Remover();
  // The error of the last Ler, Inserir or Remover: -1 and empty text when there was none.
  void UltimoErro(int32_t& lNumErro, std::string& sTextoErro) const;

 protected:
  const automation::MemberTable* memberTable() const override;

 private:
  void pErroReset();
  void pErroDe(const automation::ObjectRef& D);
  void pCabecalhoLoad(const automation::ObjectRef& D);
  void pCabecalhoSet(const automation::ObjectRef& D);
  void pLinhasLoad(const automation::ObjectRef& D);
  void pLinhasSet(const automation::ObjectRef& D);

  std::shared_ptr<NxDocComercialCab> cab_ = std::make_shared<NxDocComercialCab>();
  std::shared_ptr<NxDocComercialLinhas> linhas_ = std::make_shared<NxDocComercialLinhas>();
  int32_t lUltimoErro = -1;
  std::string sTextoErro;
};

}  // namespace qvd
