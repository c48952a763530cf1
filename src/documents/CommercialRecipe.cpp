#include "documents/CommercialRecipe.hpp"

#include "docbuild/LotLines.hpp"

namespace qvd::docbuild {

DocumentRecipe commercialRecipe(const CommercialHeader& values, const LineArrays& arrays,
                                const std::shared_ptr<cDocLotes>& oLotes) {
  auto header = std::make_shared<const CommercialHeader>(values);
  auto lines = std::make_shared<const LineArrays>(arrays);
  DocumentRecipe recipe;
  recipe.header = [header](NewDocument& doc, NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey) {
    fillCommercialHeader(doc, *header, Origem, utNxtDocKey);
  };
  recipe.upperBound = [lines] { return lines->sArtigo.ubound(); };
  recipe.line = [lines](NewDocument& doc, const LineSwitches& switches, int16_t i) {
    addArrayLine(doc, *lines, switches, i);
  };
  if (oLotes) recipe.lots = [lines, oLotes](NewDocument& doc) { attachLots(doc, oLotes, lines->armazens); };
  recipe.logRoutine = "DocGenInserir";
  recipe.logContents = [header, lines](LogErrosApi& log, NewDocument&) {
    logCommercialHeader(log, *header);
    logArrayLines(log, *lines);
  };
  return recipe;
}

}  // namespace qvd::docbuild
