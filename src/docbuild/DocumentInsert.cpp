#include "core/DAL_Next.hpp"
#include "core/DocumentRecipe.hpp"
#include "docbuild/FailureLog.hpp"
#include "docbuild/LineIndex.hpp"

namespace qvd {

bool DAL_Next::inserirDocumento(const char* operation, NextOrigemDocumento Origem,
                                const DocumentRecipe& recipe, KeyDocumNext& utNxtDocKey,
                                NextError& utNextError) {
  NewDocument doc;
  auto logFailure = [&](int32_t numero, const std::string& texto) {
    if (!opcoes.UsaLogOstrel || recipe.logRoutine.empty()) return;
    docbuild::writeFailureLog(sPastaLog, recipe.logRoutine, numero, texto,
                              [&](LogErrosApi& log) { recipe.logContents(log, doc); });
  };
  try {
    doc.create();
    recipe.header(doc, Origem, utNxtDocKey);
    docbuild::forEachLine(recipe.upperBound(), [&](int16_t i) {
      recipe.line(
          doc, {opcoes.UsaDescricao, opcoes.UsaPrecoUnitario, opcoes.UsaDescontoLinha, opcoes.UsaDescontoLinhaComposto},
          i);
    });
    limparOpcoesLinha();
    if (recipe.lots) recipe.lots(doc);
    int32_t r = DocComercialFinalizar(Origem, Operacao::Inserir, doc.object(), 0, utNxtDocKey, utNextError);
    if (r != 0) logFailure(utNextError.lUltimoErro, utNextError.sTextoErro);
    if (r == 0 && recipe.afterInsert) recipe.afterInsert();
    doc.release();
    return r == 0;
  } catch (...) {
    // The log comes first and may itself fail: that error then leaves as it is, unconverted.
    automation::AutomationError error = automation::currentError();
    logFailure(error.number(), error.description());
    doc.release();
    throw automation::AutomationError(error.number(), std::string("DAL_Next: ") + operation, error.description());
  }
}

}  // namespace qvd
