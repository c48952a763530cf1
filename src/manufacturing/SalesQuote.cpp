#include "core/DAL_Next.hpp"
#include "manufacturing/MovementRecipe.hpp"

// A sales quote of the type the caller names: an optional complement line on top, text lines
// where `sDes` says, and the caller's descriptions, prices and discounts as the switches say.
// No lots and no failure log; the caller's origin goes to the finalization.
namespace qvd {

bool DAL_Next::MovOrcamentoVendaInserir(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco,
                                        const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie,
                                        const std::string& sTerceiro, const std::string& sProcesso,
                                        const std::string& sComplem, const std::string& sVossoNumDoc,
                                        const std::string& sObs, const std::string& sArm, Texts& sArt, Numbers& dQnt,
                                        Numbers& dPrc, Texts& sDes, Texts& sNome, Numbers& dDesconto,
                                        KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  movement::MovementHeader header{.TipoPreco = TipoPreco,
                                  .sTipoDoc = sTipoDoc,
                                  .sSector = sSector,
                                  .iSerie = iSerie,
                                  .sTerceiro = sTerceiro,
                                  .sMoeda = {},
                                  .sProcesso = sProcesso,
                                  .sVossoNumDoc = sVossoNumDoc,
                                  .sObs = sObs};
  docbuild::LineArrays lines{.sArtigo = sArt,
                             .dQuant = dQnt,
                             .armazens = docbuild::Warehouses(sArm),
                             .sNome = &sNome,
                             .dPrUnit = &dPrc,
                             .dDesc = &dDesconto,
                             .sDes = &sDes,
                             .artigoOpcional = true};
  DocumentRecipe recipe = movement::movementRecipe(header, movement::kCabecalhoOrcamento, lines);
  recipe.line = [sComplem, lines](NewDocument& doc, const LineSwitches& switches, int16_t i) {
    if (i == 1 && !sComplem.empty()) docbuild::addSuggestedTextLine(doc, sComplem);
    docbuild::addArrayLine(doc, lines, switches, i);
  };
  return inserirDocumento("MovOrcamentoVendaInserir", Origem, recipe, utNxtDocKey, utNextError);
}

}  // namespace qvd
