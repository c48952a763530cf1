#include "manufacturing/MovementRecipe.hpp"

#include "docbuild/LotLines.hpp"
#include "foundation/cDocLotes.hpp"
#include "oplog/LogErrosApi.hpp"

namespace qvd::movement {

using docbuild::LineArrays;

namespace {

void logRoleHeader(LogErrosApi& log, const RoleMovement& kind, const MovementHeader& header, NewDocument& doc) {
  log.HdrAdd(header.sTipoDoc, kind.document.tipoDocName);
  log.HdrAdd(header.sSector, "uArm.Sector");
  log.HdrAdd(std::to_string(header.iSerie), kind.document.serieName);
  log.HdrAdd(header.sTerceiro, "sTerceiro");
  log.HdrAdd(header.sProcesso, "sProcesso");
  log.HdrAdd(header.sMoeda, "utTipif.Moeda");
  log.HdrAdd(doc.cab("Data").toString(), "sData NOW()");
}

const std::shared_ptr<cDocLotes>& required(const std::shared_ptr<cDocLotes>& oLotes) {
  if (!oLotes) automation::raise(automation::errnum::ObjectNotSet);
  return oLotes;
}

}  // namespace

DocumentRecipe movementRecipe(const MovementHeader& values, std::span<const HeaderStep> order,
                              const LineArrays& arrays) {
  auto header = std::make_shared<const MovementHeader>(values);
  auto lines = std::make_shared<const LineArrays>(arrays);
  DocumentRecipe recipe;
  recipe.header = [header, order](NewDocument& doc, NextOrigemDocumento, KeyDocumNext&) {
    fillMovementHeader(doc, *header, order);
  };
  recipe.upperBound = [lines] { return lines->sArtigo.ubound(); };
  recipe.line = [lines](NewDocument& doc, const LineSwitches& switches, int16_t i) {
    docbuild::addArrayLine(doc, *lines, switches, i);
  };
  return recipe;
}

MovementHeader roleHeader(const RoleMovement& kind, TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                          const TipificacaoArmazem& uArm, const std::string& sTerceiro, const std::string& sProcesso,
                          const std::string& sVossoNumDoc) {
  return MovementHeader{.TipoPreco = TipoPreco,
                        .sTipoDoc = uArm.*kind.document.sTipoDoc,
                        .sSector = uArm.Sector,
                        .iSerie = uArm.*kind.document.iSerie,
                        .sTerceiro = sTerceiro,
                        .sMoeda = utTipif.Moeda,
                        .sProcesso = sProcesso,
                        .sVossoNumDoc = sVossoNumDoc,
                        .sObs = {}};
}

DocumentRecipe roleMovementRecipe(const RoleMovement& kind, const MovementHeader& values, const LineArrays& arrays,
                                  const std::shared_ptr<cDocLotes>* oLotes) {
  DocumentRecipe recipe = movementRecipe(values, kind.order, arrays);
  auto header = std::make_shared<const MovementHeader>(values);
  auto lines = std::make_shared<const LineArrays>(arrays);
  std::shared_ptr<cDocLotes> lotes = oLotes != nullptr ? *oLotes : nullptr;
  if (oLotes != nullptr) {
    recipe.lots = [kind, lines, lotes](NewDocument& doc) {
      docbuild::attachLots(doc, required(lotes), lines->armazens, kind.vossoLote);
    };
  }
  if (kind.log != FailureLog::None) {
    recipe.logRoutine = kind.operation;
    recipe.logContents = [kind, header, lines, lotes](LogErrosApi& log, NewDocument& doc) {
      logRoleHeader(log, kind, *header, doc);
      docbuild::logArrayLines(log, *lines);
      if (kind.log == FailureLog::LinesAndLots && lotes) log.Lotes(lotes);
    };
  }
  return recipe;
}

}  // namespace qvd::movement
