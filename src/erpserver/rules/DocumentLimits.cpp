#include "erpserver/rules/DocumentLimits.hpp"

#include <cmath>

#include "erpserver/store/DateText.hpp"
#include "erpserver/rules/Refusal.hpp"
#include "erpserver/rules/RuleRefusals.hpp"

namespace erpserver {
namespace {

bool isRate(double value) { return value >= 0 && value <= 100; }
bool isAmount(double value) { return std::fabs(value) <= kMaxAmount; }  // false for NaN too

const std::string kRateRange = "um desconto vai de 0 a 100";
const std::string kAmountRange = std::string("fora dos limites de um valor monetário (") + kMaxAmountText + ")";

}  // namespace

void checkHeaderLimits(const CabecDoc& cab) {
  for (int slot : {hdr::DescontoCabecalho, hdr::DescontoPagamento}) {
    double rate = cab.real(slot);
    if (!isRate(rate))
      refuseWith(refusal::DiscountRate, headerField(cab.info().fields()[static_cast<std::size_t>(slot)].name, numberText(rate)) + kRateRange);
  }
  auto date = parseDateText(cab.text(hdr::Data));
  if (date && cab.number(hdr::Ano) != date->parts().year)
    refuseWith(refusal::YearOfDate, headerField("Ano", cab.text(hdr::Ano)) + "o ano do documento é o da sua data (" +
                                        cab.text(hdr::Data) + ")");
}

void checkLineLimits(const LinhaDoc& line, std::size_t number) {
  double factor = line.real(lin::Factor);
  if (!(factor > 0))
    refuseWith(refusal::Factor, lineField(number, "Factor", numberText(factor)) + "o factor tem de ser maior que zero");
  double rate = line.real(lin::TaxaDesconto);
  if (!isRate(rate)) refuseWith(refusal::DiscountRate, lineField(number, "TaxaDesconto", numberText(rate)) + kRateRange);
  double quantity = line.real(lin::Quantidade), price = line.real(lin::PrecoUnitario);
  if (!isAmount(quantity))
    refuseWith(refusal::AmountBounds, lineField(number, "Quantidade", numberText(quantity)) + kAmountRange);
  if (!isAmount(price))
    refuseWith(refusal::AmountBounds, lineField(number, "PrecoUnitario", numberText(price)) + kAmountRange);
  if (!isAmount(quantity * price))
    refuseWith(refusal::AmountBounds,
               lineField(number, "Quantidade × PrecoUnitario", numberText(quantity * price)) + kAmountRange);
}

void checkTotalLimits(const CabecDoc& cab) {
  double total = cab.real(hdr::TotalDocumento);
  if (!isAmount(total))
    refuseWith(refusal::AmountBounds, headerField("TotalDocumento", numberText(total)) + kAmountRange);
}

void checkLotLimits(const LoteLinha& lotLine) {
  auto number = static_cast<std::size_t>(lotLine.number(lot::Linha));
  const CamposLote& lot = lotLine.campos();
  double quantity = lotLine.real(lot::Quantidade);
  if (!(quantity > 0))
    refuseWith(refusal::LotsOfLine, lineField(number, "QuantidadeMovimentada", numberText(quantity)) + "o lote '" +
                                        lot.text(lot::Codigo) + "' tem de mover uma quantidade maior que zero");
  std::string entry = isoFromText(lot.text(lot::Entrada)).value_or("");
  std::string expiry = isoFromText(lot.text(lot::Validade)).value_or("");
  if (!entry.empty() && !expiry.empty() && expiry < entry)
    refuseWith(refusal::LotExpiry, lineField(number, "DataValidade", lot.text(lot::Validade)) + "o lote '" +
                                       lot.text(lot::Codigo) + "' não pode expirar antes da sua entrada (" +
                                       lot.text(lot::Entrada) + ")");
}

}  // namespace erpserver
