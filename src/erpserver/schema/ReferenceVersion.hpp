#pragma once

// The version of a server company's master data: one number that every change of what the
// server's catalog keeps in memory (document types, articles, VAT rates, parties, parameters, ...)
// raises, through triggers, so that a writer learns with one look under the writer lock whether
// what it keeps is still true.
#include <string>

namespace erpserver::postgres {

// The table SYS_VERSAOREF (one row, VERSAO) and the triggers that raise it.
std::string referenceVersionText();

}  // namespace erpserver::postgres
