#include "core/DAL_Next.hpp"
#include "core/DocumentRecipe.hpp"
#include "foundation/cDocLotes.hpp"
#include "manufacturing/LotRelease.hpp"
#include "manufacturing/MovementRecipe.hpp"

// The stock movements of a warehouse role: production entries, consumption exits and returns,
// supplier entries and delivery notes. Each member names its kind (see MovementKinds.hpp) and
// the arrays it takes; everything else is the one movement sequence.
namespace qvd {

using docbuild::LineArrays;
using docbuild::Warehouses;

namespace {

LineArrays movementLines(const DAL_Next::Texts& sArt, const DAL_Next::Numbers& dQuant, Warehouses armazens,
                         const DAL_Next::Numbers& dPrUni) {
  return LineArrays{.sArtigo = sArt, .dQuant = dQuant, .armazens = armazens, .dPrUnit = &dPrUni};
}

// One movement of a warehouse role as `kind` describes it, with the lots of `oLotes` when the
// operation takes lots (null: it does not).
DocumentRecipe roleRecipe(const movement::RoleMovement& kind, TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                          const TipificacaoArmazem& uArm, const std::string& sTerceiro, const std::string& sProcesso,
                          const std::string& sVossoNDoc, const LineArrays& lines,
                          const std::shared_ptr<cDocLotes>* oLotes, std::shared_ptr<IDataAccess> data) {
  movement::MovementHeader header =
      movement::roleHeader(kind, TipoPreco, utTipif, uArm, sTerceiro, sProcesso, sVossoNDoc);
  DocumentRecipe recipe = movement::roleMovementRecipe(kind, header, lines, oLotes);
  if (kind.releasesLots) {
    // The ERP releases the returned lots itself, inside the transaction of the return's insert,
    // so that a failure at any point leaves both or neither. These statements still follow the
    // insert, in the order callers know, but the database takes each one as the acknowledgement
    // of a release already made and changes nothing: a statement that never runs loses nothing,
    // and one that runs adds nothing. Sharing one transaction between the ERP and the data-access
    // object instead would tie the ERP's session to the caller's connection. Not part of the
    // transaction's list: cancelling the return is the ERP's removal, which takes the release back.
    recipe.afterInsert = [data = std::move(data), lotes = *oLotes, armazem = uArm.Armazem] {
      if (!data) automation::raise(automation::errnum::ObjectNotSet);
      for (const auto& linha : *lotes)
        for (const auto& lote : *linha) {
          // Its result never decides the operation's, and a refused statement must not stop
          // the lots after it.
          static_cast<void>(data->ExecutarSQL("", movement::artlotUpdate(*lote, armazem)));
        }
    };
  }
  return recipe;
}

}  // namespace

bool DAL_Next::MovEntradaProducaoCriar(TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                                       const TipificacaoArmazem& uArm, const std::string& sProcesso, Texts& sArt,
                                       Numbers& dQuant, Numbers& dPrUni, KeyDocumNext& utNxtDocKey,
                                       NextError& utNextError) {
  return inserirDocumento(
      movement::kMovEntradaProducao.operation, NaoAplicavel,
      roleRecipe(movement::kMovEntradaProducao, TipoPreco, utTipif, uArm, uArm.Sector, sProcesso, "",
                 movementLines(sArt, dQuant, Warehouses(uArm.Armazem), dPrUni), nullptr, oDataAccess),
      utNxtDocKey, utNextError);
}

bool DAL_Next::MovEntradaProdMultiArmCriar(TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                                           const TipificacaoArmazem& uArm, const std::string& sProcesso, Texts& sArt,
                                           Numbers& dQuant, Numbers& dPrUni, Texts& sArm,
                                           const std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey,
                                           NextError& utNextError) {
  return inserirDocumento(
      movement::kMovEntradaProdMultiArm.operation, NaoAplicavel,
      roleRecipe(movement::kMovEntradaProdMultiArm, TipoPreco, utTipif, uArm, uArm.Sector, sProcesso, "",
                 movementLines(sArt, dQuant, Warehouses(sArm), dPrUni), &oLotes, oDataAccess),
      utNxtDocKey, utNextError);
}

bool DAL_Next::MovSaidaDeConsumoCriar(TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                                      const TipificacaoArmazem& uArm, const std::string& sProcesso, Texts& sArtigos,
                                      Numbers& dQuant, Numbers& dPrUni, const std::shared_ptr<cDocLotes>& oLotes,
                                      KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  return inserirDocumento(
      movement::kMovSaidaDeConsumo.operation, NaoAplicavel,
      roleRecipe(movement::kMovSaidaDeConsumo, TipoPreco, utTipif, uArm, uArm.Sector, sProcesso, "",
                 movementLines(sArtigos, dQuant, Warehouses(uArm.Armazem), dPrUni), &oLotes, oDataAccess),
      utNxtDocKey, utNextError);
}

bool DAL_Next::MovSaidaConsMultiArmCriar(TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                                         const TipificacaoArmazem& uArm, const std::string& sProcesso, Texts& sArtigos,
                                         Numbers& dQuant, Numbers& dPrUni, Texts& sArm,
                                         const std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey,
                                         NextError& utNextError) {
  return inserirDocumento(
      movement::kMovSaidaConsMultiArm.operation, NaoAplicavel,
      roleRecipe(movement::kMovSaidaConsMultiArm, TipoPreco, utTipif, uArm, uArm.Sector, sProcesso, "",
                 movementLines(sArtigos, dQuant, Warehouses(sArm), dPrUni), &oLotes, oDataAccess),
      utNxtDocKey, utNextError);
}

bool DAL_Next::MovDevolucaoSaidaDeConsumoCriar(TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                                               const TipificacaoArmazem& uArm, const std::string& sProcesso,
                                               Texts& sArtigos, Numbers& dQuant, Numbers& dPrUni,
                                               const std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey,
                                               NextError& utNextError) {
  return inserirDocumento(
      movement::kMovDevolucaoSaidaDeConsumo.operation, NaoAplicavel,
      roleRecipe(movement::kMovDevolucaoSaidaDeConsumo, TipoPreco, utTipif, uArm, uArm.Sector, sProcesso, "",
                 movementLines(sArtigos, dQuant, Warehouses(uArm.Armazem), dPrUni), &oLotes, oDataAccess),
      utNxtDocKey, utNextError);
}

bool DAL_Next::MovEntradaFornecedorCriar(TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                                         const TipificacaoArmazem& uArm, const std::string& sFornecedor,
                                         const std::string& sProcesso, const std::string& sVossoNDoc, Texts& sArt,
                                         Numbers& dQuant, Numbers& dPrUni, KeyDocumNext& utNxtDocKey,
                                         NextError& utNextError) {
  return inserirDocumento(
      movement::kMovEntradaFornecedor.operation, NaoAplicavel,
      roleRecipe(movement::kMovEntradaFornecedor, TipoPreco, utTipif, uArm, sFornecedor, sProcesso, sVossoNDoc,
                 movementLines(sArt, dQuant, Warehouses(uArm.Armazem), dPrUni), nullptr, oDataAccess),
      utNxtDocKey, utNextError);
}

// Under each article line, the text of its `sSerie` element where not empty.
bool DAL_Next::MovGuiaRemessaCriar(TipoPrecoNext TipoPreco, const TipificacaoTransf& utTipif,
                                   const TipificacaoArmazem& uArm, const std::string& sCliente,
                                   const std::string& sProcesso, Texts& sArt, Texts& sSerie, Numbers& dQuant,
                                   Numbers& dPrUni, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  LineArrays lines = movementLines(sArt, dQuant, Warehouses(uArm.Armazem), dPrUni);
  lines.sTextoApos = &sSerie;
  return inserirDocumento(movement::kMovGuiaRemessa.operation, NaoAplicavel,
                          roleRecipe(movement::kMovGuiaRemessa, TipoPreco, utTipif, uArm, sCliente, sProcesso, "",
                                     lines, nullptr, oDataAccess),
                          utNxtDocKey, utNextError);
}

}  // namespace qvd
