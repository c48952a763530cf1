#include "manufacturing/MovementHeader.hpp"

#include <algorithm>

#include "platform/Date.hpp"

namespace qvd::movement {

namespace {

// The steps that put one of the caller's texts.
struct TextStep {
  HeaderStep step;
  const char* member;
  std::string MovementHeader::*value;
};

constexpr TextStep kTextSteps[] = {
    {HeaderStep::TipoDocumento, "TipoDocumento", &MovementHeader::sTipoDoc},
    {HeaderStep::Sector, "Sector", &MovementHeader::sSector},
    {HeaderStep::Processo, "Processo", &MovementHeader::sProcesso},
    {HeaderStep::Terceiro, "Terceiro", &MovementHeader::sTerceiro},
    {HeaderStep::Moeda, "Moeda", &MovementHeader::sMoeda},
    {HeaderStep::VossoNoDocumento, "VossoNoDocumento", &MovementHeader::sVossoNumDoc},
    {HeaderStep::Observacoes, "Observacoes", &MovementHeader::sObs},
};

void putText(NewDocument& doc, const MovementHeader& header, HeaderStep step) {
  const TextStep& text = *std::ranges::find(kTextSteps, step, &TextStep::step);
  doc.putCab(text.member, header.*(text.value));
}

void fillStep(NewDocument& doc, const MovementHeader& header, HeaderStep step) {
  switch (step) {
    case HeaderStep::Serie:
      return doc.putCab("Serie", header.iSerie);
    case HeaderStep::TipoPreco:
      return doc.putCab("TipoPreco", static_cast<int32_t>(header.TipoPreco));
    case HeaderStep::Data:
      return doc.putCab("Data", automation::Date::now().format("dd-mm-yyyy"));
    case HeaderStep::Validar:
      return doc.validar();
    case HeaderStep::Datas:
      doc.putCabFromData("DataVencimento");
      doc.putCabFromData("DataCarga");
      return doc.putCab("HoraCarga", currentTime("hh:mm:ss"));
    default:
      return putText(doc, header, step);
  }
}

}  // namespace

void fillMovementHeader(NewDocument& doc, const MovementHeader& header, std::span<const HeaderStep> order) {
  for (HeaderStep step : order) fillStep(doc, header, step);
}

}  // namespace qvd::movement
