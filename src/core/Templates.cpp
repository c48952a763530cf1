#include <memory>

#include "core/DAL_Next.hpp"
#include "platform/db/Catalog.hpp"

// Empty record sets shaped like the ERP's document tables, for callers to fill and hand to
// Inserir. No handler: errors reach the caller unchanged.
namespace qvd {

using automation::db::RecordsetRef;

RecordsetRef DAL_Next::TemplateCabecalho() {
  RecordsetRef rs;
  TemplateTabela("DOCGCCAB", rs);
  return rs;
}

RecordsetRef DAL_Next::TemplateLinhas() {
  RecordsetRef rs;
  TemplateTabela("DOCGCLIN", rs);
  return rs;
}

RecordsetRef DAL_Next::TemplateLotes() {
  RecordsetRef rs;
  TemplateTabela("LOTEMOVS", rs);
  return rs;
}

void DAL_Next::TemplateTabela(const std::string& sTabela, RecordsetRef& rsOut) {
  // Lines and lots come from queries that match no row; the lots add the lot's entry date.
  if (sTabela == "DOCGCLIN") {
    dataAccess().AbrirRecordset(
        "", "SELECT * FROM DOCGCLIN WHERE ANO=-1 AND TPDOCUM='' AND SERIE=-1 AND NNUMDOC=-1 AND NUMLINHA = -1 ", rsOut,
        -1, 0);
    return;
  }
  if (sTabela == "LOTEMOVS") {
    dataAccess().AbrirRecordset("",
                                "SELECT LOTEMOVS.*, ARTLOT.DTAENTRA  FROM LOTEMOVS LEFT OUTER JOIN ARTLOT ON "
                                "ARTLOT.ARTIGO=LOTEMOVS.ARTIGO WHERE ANO=-1 AND TPDOCUM='' AND SERIE=-1 AND "
                                "NNUMDOC=-1 AND NUMLINHA = -1 AND LOTEMOVS.CODLOT='' AND LOTEMOVS.VOSSLOTE='' ",
                                rsOut, -1, 0);
    return;
  }
  automation::db::ConnectionRef ligacao;
  dataAccess().ObterLigacao(ligacao);
  automation::db::Catalog catalogo;
  catalogo.SetActiveConnection(ligacao);
  auto rs = std::make_shared<automation::db::Recordset>();
  rs->SetCursorLocation(automation::db::UseClientCursor);
  for (const automation::db::ColumnInfo& coluna : catalogo.Tables(sTabela).Columns())
    rs->GetFields().Append(coluna.name, coluna.type, coluna.definedSize, coluna.attributes);
  rs->Open();
  rsOut = rs;
}

}  // namespace qvd
