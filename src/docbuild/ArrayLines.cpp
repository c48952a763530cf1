#include "docbuild/ArrayLines.hpp"

#include "docbuild/LineIndex.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"
#include "oplog/LogErrosApi.hpp"

namespace qvd::docbuild {

using automation::ObjectRef;
using automation::propPut;

namespace {

constexpr int16_t kArticleLine = 1;

ObjectRef newLine(int16_t tipo) {
  ObjectRef line = NxtObjectoCriar(erpclass::DocumentosGcLin);
  propPut(line, "TipoDeLinha", tipo);
  return line;
}

void addNoteLine(NewDocument& doc, const std::string& nota) {
  ObjectRef line = newLine(kArticleLine);
  propPut(line, "Descricao", nota);
  doc.adicionaLinha(line);
}

void describeSuggested(NewDocument& doc, ObjectRef& line, const std::string& texto) {
  doc.sugereValoresLin(line, true);
  propPut(line, "Descricao", texto);
}

void putArticle(NewDocument& doc, ObjectRef& line, const LineArrays& lines, int16_t i) {
  if (lines.artigoOpcional && lines.sArtigo(i).empty()) return;
  propPut(line, "Artigo", lines.sArtigo(i));
  propPut(line, "Armazem", lines.armazens.of(i));
  doc.sugereValoresLin(line, true);
}

// The caller's values over the suggested ones, as the switches say; the quantity always.
void putCallerValues(const ObjectRef& line, const LineArrays& lines, const LineSwitches& switches, int16_t i) {
  if (switches.UsaDescricao && lines.sNome != nullptr) propPut(line, "Descricao", (*lines.sNome)(i));
  if (switches.UsaPrecoUnitario && lines.dPrUnit != nullptr) {
    propPut(line, "PrecoUnitario", (*lines.dPrUnit)(i));
    propPut(line, "PrecoUnitarioIntroduzido", (*lines.dPrUnit)(i));
  }
  if (switches.UsaDescontoLinha && lines.dDesc != nullptr) propPut(line, "TaxaDesconto", (*lines.dDesc)(i));
  if (switches.UsaDescontoLinhaComposto && lines.sDescComp != nullptr) propPut(line, "Desconto", (*lines.sDescComp)(i));
  propPut(line, "Quantidade", lines.dQuant(i));
  propPut(line, "QuantidadeOrigem", lines.dQuant(i));
}

}  // namespace

void addArrayLine(NewDocument& doc, const LineArrays& lines, const LineSwitches& switches, int16_t i) {
  if (lines.sNotas != nullptr && !(*lines.sNotas)(i).empty()) addNoteLine(doc, (*lines.sNotas)(i));

  ObjectRef line = newLine(lines.iTipoLinha != nullptr ? (*lines.iTipoLinha)(i) : kArticleLine);
  if (lines.sDes != nullptr && !(*lines.sDes)(i).empty()) {
    describeSuggested(doc, line, (*lines.sDes)(i));
  } else {
    putArticle(doc, line, lines, i);
    putCallerValues(line, lines, switches, i);
  }
  doc.adicionaLinha(line);

  if (lines.sTextoApos != nullptr && !(*lines.sTextoApos)(i).empty()) addNoteLine(doc, (*lines.sTextoApos)(i));
}

void addSuggestedTextLine(NewDocument& doc, const std::string& texto) {
  ObjectRef line = newLine(kArticleLine);
  describeSuggested(doc, line, texto);
  doc.adicionaLinha(line);
}

void logArrayLines(LogErrosApi& log, const LineArrays& lines) {
  forEachLine(lines.sArtigo.ubound(), [&](int16_t i) {
    log.LinAdd(i, lines.sArtigo(i), lines.sNome != nullptr ? (*lines.sNome)(i) : std::string(),
               lines.dPrUnit != nullptr ? (*lines.dPrUnit)(i) : 0.0, lines.dQuant(i), lines.armazens.of(i));
  });
}

}  // namespace qvd::docbuild
