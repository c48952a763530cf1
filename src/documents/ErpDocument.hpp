#pragma once

#include <cstdint>
#include <string>

#include "foundation/Records.hpp"
#include "platform/Object.hpp"

// Late-bound access to an ERP commercial document object, in the shapes the document
// operations share.
namespace qvd::erpdoc {

// oDoc.Ler(type, number, series, year): the ERP result code, 0 when read.
[[nodiscard]] int32_t ler(const automation::ObjectRef& oDoc, const std::string& sTpDoc, int32_t lNumDoc, int16_t iSerie,
                          int16_t iAno);
[[nodiscard]] int32_t ler(const automation::ObjectRef& oDoc, const KeyDocumNext& utNxtDocKey);

// The header, asked for afresh: the ERP hands out the live object on every access.
automation::ObjectRef cab(const automation::ObjectRef& oDoc);

int32_t numeroDeLinhas(const automation::ObjectRef& oDoc);
// Line `i`, counted from 1.
automation::ObjectRef linha(const automation::ObjectRef& oDoc, int32_t i);

}  // namespace qvd::erpdoc
