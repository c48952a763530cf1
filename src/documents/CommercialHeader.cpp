#include "documents/CommercialHeader.hpp"

#include <limits>

#include "oplog/LogErrosApi.hpp"
#include "platform/AutomationError.hpp"

namespace qvd::docbuild {

using automation::Variant;

namespace {

// The invoice number is used only when it converts to a 32-bit number the ERP takes; otherwise
// the statement is skipped silently and the ERP numbers the document.
void putInvoiceNumber(NewDocument& doc, const ExternalNumbering& external) {
  automation::ignoreError([&] { doc.putCab("NossoNoDocumento", Variant(external.sManualExternalInvoiceNo).toLong()); });
}

void putLoading(NewDocument& doc, const CommercialHeader& header) {
  const Transport* transport = header.transport ? &*header.transport : nullptr;
  if (transport != nullptr && !transport->sDataCarga.empty())
    doc.putCab("DataCarga", transport->sDataCarga);
  else
    doc.putCabFromData("DataCarga");
  if (transport != nullptr && !transport->sHorasCarga.empty())
    doc.putCab("HoraCarga", transport->sHorasCarga);
  else
    doc.putCab("HoraCarga", currentTime(header.timeFormat));
}

void putUnloading(NewDocument& doc, const Transport& transport) {
  doc.putCab("DataDescarga", transport.sDataDsg);
  doc.putCab("HoraDescarga", transport.sHorasDsg);
  doc.putCab("LocalCarga", transport.sLocalCarga);
  doc.putCab("MoradaDescarga", transport.sMoradaDsg);
  doc.putCab("LocalDescarga", transport.sLocalDsg);
  doc.putCab("CodigoPostalDescarga", transport.sCepDsg);
  doc.putCab("PaisDescarga", transport.sPaisDsg);
  doc.putCab("Matricula", transport.sMatricula);
  doc.putCabUnlessEmpty("ATDocCodeID", transport.sATDocCodeID);
}

bool intoNumber(const CommercialHeader& header, InvoiceIntoNumber when) {
  return header.external && header.external->intoNumber == when;
}

}  // namespace

CommercialHeader baseHeader(TipoPrecoNext TipoPreco, const std::string& sTipoDoc, const std::string& sSector,
                            int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso,
                            const std::string& sVossoNumDoc, const std::string& sData, const std::string& sObs,
                            bool bIvaIncluido, const std::string& sVendedor) {
  CommercialHeader header;
  header.TipoPreco = TipoPreco;
  header.sTipoDoc = sTipoDoc;
  header.sSector = sSector;
  header.iSerie = iSerie;
  header.sTerceiro = sTerceiro;
  header.sProcesso = sProcesso;
  header.sVossoNumDoc = sVossoNumDoc;
  header.sData = sData;
  header.sObs = sObs;
  header.bIvaIncluido = bIvaIncluido;
  header.sVendedor = sVendedor;
  return header;
}

void fillCommercialHeader(NewDocument& doc, const CommercialHeader& header, NextOrigemDocumento Origem,
                          KeyDocumNext& utNxtDocKey) {
  doc.putCab("TipoDocumento", header.sTipoDoc);
  doc.putCab("Sector", header.sSector);
  doc.putCab("Serie", header.iSerie);
  doc.putCab("Terceiro", header.sTerceiro);
  doc.putCab("Data", header.sData);
  doc.putCab("IvaIncluido", static_cast<int16_t>(header.bIvaIncluido ? -1 : 0));
  doc.putCab("TipoPreco", static_cast<int32_t>(header.TipoPreco));
  if (header.creditNote) {
    doc.putCab("Reference", header.creditNote->sReference);
    doc.putCab("Reason", header.creditNote->sReason);
  }
  if (header.external) {
    doc.putCab("ManualExternalSerie", header.external->sManualExternalSerie);
    doc.putCab("ManualExternalInvoiceNo", header.external->sManualExternalInvoiceNo);
  }
  doc.validar();

  if (intoNumber(header, InvoiceIntoNumber::AfterValidation)) putInvoiceNumber(doc, *header.external);
  doc.putCabUnlessEmpty("RegimeIva", header.sRegimeIva);
  doc.putCabUnlessEmpty("Vendedor", header.sVendedor);
  if (intoNumber(header, InvoiceIntoNumber::AfterSalesperson)) putInvoiceNumber(doc, *header.external);

  doc.putCab("Processo", header.sProcesso);
  doc.putCabFromData("DataVencimento");
  if (header.loading == Loading::BeforeRemarks) putLoading(doc, header);
  doc.putCab("Observacoes", header.sObs);
  doc.putCab("VossoNoDocumento", header.sVossoNumDoc);
  if (header.dDescCabecalho) doc.putCab("DescontoCabecalho", *header.dDescCabecalho);
  if (header.loading == Loading::AfterDiscount) putLoading(doc, header);
  if (header.transport) putUnloading(doc, *header.transport);

  applyManualNumber(doc, utNxtDocKey);
  // The finalization puts the origin again; a credit note carries it from here on.
  if (header.creditNote) doc.put("Origem", static_cast<int32_t>(Origem));
}

void applyManualNumber(NewDocument& doc, KeyDocumNext& utNxtDocKey) {
  if (utNxtDocKey.iAno >= 0) return;
  if (utNxtDocKey.iAno == std::numeric_limits<int16_t>::min()) automation::raise(automation::errnum::Overflow);
  utNxtDocKey.iAno = static_cast<int16_t>(-utNxtDocKey.iAno);
  doc.putCab("NossoNoDocumento", utNxtDocKey.lNumDoc);
}

void logCommercialHeader(LogErrosApi& log, const CommercialHeader& header) {
  log.HdrAdd(header.sTipoDoc, "sTipoDoc");
  log.HdrAdd(header.sSector, "sSector");
  log.HdrAdd(std::to_string(header.iSerie), "iSerie");
  log.HdrAdd(header.sTerceiro, "sTerceiro");
  log.HdrAdd(header.sProcesso, "sProcesso");
  log.HdrAdd(header.sVossoNumDoc, "sVossoNumDoc");
  log.HdrAdd(header.sData, "sData");
  log.HdrAdd(header.sObs, "sObs");
}

}  // namespace qvd::docbuild
