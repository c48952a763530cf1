#pragma once

#include <cstdint>
#include <string>

#include "core/DocumentRecipe.hpp"
#include "docbuild/Warehouses.hpp"
#include "platform/SafeArray.hpp"

namespace qvd {
class LogErrosApi;
}

namespace qvd::docbuild {

using Texts = automation::SafeArray<std::string>;
using Numbers = automation::SafeArray<double>;
using Shorts = automation::SafeArray<int16_t>;

// The caller's parallel arrays behind the lines of one document: line i takes element i of each
// array. An array that an operation does not take stays null, and the step that would read it
// is skipped whatever the switches say.
struct LineArrays {
  const Texts& sArtigo;
  const Numbers& dQuant;
  Warehouses armazens;
  const Texts* sNome = nullptr;        // put as the description under UsaDescricao
  const Numbers* dPrUnit = nullptr;    // put as the unit price under UsaPrecoUnitario
  const Numbers* dDesc = nullptr;      // put as the discount rate under UsaDescontoLinha
  const Texts* sDescComp = nullptr;    // put as the composed discount under UsaDescontoLinhaComposto
  const Texts* sNotas = nullptr;       // a note line before the article line where not empty
  const Shorts* iTipoLinha = nullptr;  // the article line's type; 1 without it
  const Texts* sTextoApos = nullptr;   // a text line after the article line where not empty
  const Texts* sDes = nullptr;         // where not empty, a suggested text line instead of the article line
  bool artigoOpcional = false;         // an empty article: no article, warehouse or suggested values
};

// Adds line `i`: its note line first when it has one, then the article line, with the ERP's
// suggested values and the caller's values put over them as the switches say, then the text
// line that follows it when it has one.
void addArrayLine(NewDocument& doc, const LineArrays& lines, const LineSwitches& switches, int16_t i);

// Adds a line that carries only `texto`, after the ERP has suggested its values.
void addSuggestedTextLine(NewDocument& doc, const std::string& texto);

// The line part of a failure log: every line's article, name, price, quantity and warehouse,
// whatever the switches were (an operation without names logs them empty).
void logArrayLines(LogErrosApi& log, const LineArrays& lines);

}  // namespace qvd::docbuild
