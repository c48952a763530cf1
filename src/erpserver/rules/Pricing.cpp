#include "erpserver/rules/Pricing.hpp"

#include <charconv>
#include <cmath>

#include "erpserver/objects/Document.hpp"
#include "platform/Text.hpp"

namespace erpserver {

double roundCents(double value) { return std::round(value * 100.0) / 100.0; }

std::optional<double> composedRate(std::string_view text) {
  if (text.find_first_not_of(' ') == std::string_view::npos) return 0.0;
  double remaining = 1.0;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find('+', start);
    std::string part(automation::text::trim(text.substr(start, end == std::string_view::npos ? end : end - start)));
    for (auto& c : part)
      if (c == ',') c = '.';  // either decimal mark is accepted
    double rate = -1;
    auto [rest, error] = std::from_chars(part.data(), part.data() + part.size(), rate);
    if (part.empty() || error != std::errc() || rest != part.data() + part.size() || rate < 0 || rate > 100)
      return std::nullopt;
    remaining *= 1.0 - rate / 100.0;
    if (end == std::string_view::npos) return (1.0 - remaining) * 100.0;
    start = end + 1;
  }
}

std::optional<double> suggestedPrice(const Article& article, const DocType& type, int priceType, bool vatIncluded) {
  if (type.sale) return vatIncluded ? article.pvpCiv : article.pvpSiv;
  switch (priceType) {
    case 1: return article.lastCost;
    case 3: return article.standardCost;
    case 4: return std::nullopt;
    default: return article.averageCost;
  }
}

void computeTotals(DocumentoComercial& doc, bool vatExempt) {
  CabecDoc& cab = doc.cab();
  bool vatIncluded = cab.number(hdr::IvaIncluido) != 0;
  double headerRate = cab.real(hdr::DescontoCabecalho) / 100.0;
  double goods = 0, discounts = 0, headerDiscount = 0, vat = 0;
  for (auto& line : doc.lines()) {
    double rate = vatExempt ? 0.0 : line->real(lin::TaxaIVA) / 100.0;
    double gross = line->real(lin::Quantidade) * line->real(lin::PrecoUnitario);
    double base = vatIncluded ? gross / (1.0 + rate) : gross;
    double lineDiscount = roundCents(base * line->real(lin::TaxaDesconto) / 100.0);
    double net = roundCents(base) - lineDiscount;
    double fromHeader = roundCents(net * headerRate);
    line->setValue(lin::DescontoValor, Variant(lineDiscount));
    line->setValue(lin::TotalLinha, Variant(net));
    goods += roundCents(base);
    discounts += lineDiscount;
    headerDiscount += fromHeader;
    vat += roundCents((net - fromHeader) * rate);
  }
  cab.setValue(hdr::DescontoCabValor, Variant(roundCents(headerDiscount)));
  cab.setValue(hdr::TotalMercadoria, Variant(roundCents(goods)));
  cab.setValue(hdr::TotalDescontos, Variant(roundCents(discounts + headerDiscount)));
  cab.setValue(hdr::TotalIva, Variant(roundCents(vat)));
  cab.setValue(hdr::TotalDocumento, Variant(roundCents(goods - discounts - headerDiscount + vat)));
}

}  // namespace erpserver
