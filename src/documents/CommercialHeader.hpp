#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/NewDocument.hpp"
#include "foundation/Records.hpp"

namespace qvd {
class LogErrosApi;
}

namespace qvd::docbuild {

// Whether and where an externally assigned invoice number also becomes the header's own number.
enum class InvoiceIntoNumber { No, AfterValidation, AfterSalesperson };

struct ExternalNumbering {
  std::string sManualExternalSerie;
  std::string sManualExternalInvoiceNo;
  InvoiceIntoNumber intoNumber = InvoiceIntoNumber::No;
};

struct CreditNote {
  std::string sReference;
  std::string sReason;
};

// Loading and unloading data of a transport document. An empty loading date or time leaves the
// document date and the current time in their place.
struct Transport {
  std::string sDataCarga, sHorasCarga, sMoradaDsg, sLocalDsg, sCepDsg, sPaisDsg, sDataDsg, sHorasDsg, sLocalCarga,
      sATDocCodeID, sMatricula;
};

// Where the loading date and time go among the header fields, and how the time is written.
enum class Loading { BeforeRemarks, AfterDiscount };

// The header of a document built from the caller's arrays: the caller's values, then what
// differs from one operation to another.
struct CommercialHeader {
  TipoPrecoNext TipoPreco = tpDefault;
  std::string sTipoDoc, sSector;
  int16_t iSerie = 0;
  std::string sTerceiro, sProcesso, sVossoNumDoc, sData, sObs;
  bool bIvaIncluido = false;
  std::string sVendedor;

  std::string sRegimeIva;                // empty: the ERP's default stays
  std::optional<double> dDescCabecalho;  // put, even when 0, where the operation takes one
  std::optional<CreditNote> creditNote;  // also puts Origem on the document before the lines
  std::optional<ExternalNumbering> external;
  std::optional<Transport> transport;
  Loading loading = Loading::BeforeRemarks;
  const char* timeFormat = "hh:mm:ss";
};

// The base form: the caller's values and no option.
CommercialHeader baseHeader(TipoPrecoNext TipoPreco, const std::string& sTipoDoc, const std::string& sSector,
                            int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso,
                            const std::string& sVossoNumDoc, const std::string& sData, const std::string& sObs,
                            bool bIvaIncluido, const std::string& sVendedor);

// Fills the header with the early validation in its place, then the manual number that a
// negative `utNxtDocKey.iAno` asks for (made positive in the caller's record).
void fillCommercialHeader(NewDocument& doc, const CommercialHeader& header, NextOrigemDocumento Origem,
                          KeyDocumNext& utNxtDocKey);

// A negative year asks for the number `lNumDoc`; the year is made positive in the caller's record.
void applyManualNumber(NewDocument& doc, KeyDocumNext& utNxtDocKey);

// The header entries of the failure log; the other values are not logged.
void logCommercialHeader(LogErrosApi& log, const CommercialHeader& header);

}  // namespace qvd::docbuild
