#include <memory>
#include <string>
#include <tuple>

#include "core/DAL_Next.hpp"
#include "platform/db/Catalog.hpp"
#include "platform/db/DataTypes.hpp"

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

// A template handed back closed or unset would only fail later, in the caller's first AddNew.
void DAL_Next::abrirModelo(const std::string& sTabela, const std::string& sSql, RecordsetRef& rsOut) {
  if (!dataAccess().AbrirRecordset("", sSql, rsOut, -1, 0))
    automation::raise(automation::db::dberr::ProviderError,
                      "The data-access object could not open the empty query on " + sTabela +
                          " that the template is made from; check that the company database has the tables "
                          "DOCGCLIN, LOTEMOVS and ARTLOT and that the data-access object is connected to it");
}

void DAL_Next::TemplateTabela(const std::string& sTabela, RecordsetRef& rsOut) {
  // Lines and lots come from queries that match no row; the lots add the lot's entry date.
  if (sTabela == "DOCGCLIN") {
    abrirModelo(sTabela,
                "SELECT * FROM DOCGCLIN WHERE ANO=-1 AND TPDOCUM='' AND SERIE=-1 AND NNUMDOC=-1 AND NUMLINHA = -1 ",
                rsOut);
    return;
  }
  if (sTabela == "LOTEMOVS") {
    abrirModelo(sTabela,
                "SELECT LOTEMOVS.*, ARTLOT.DTAENTRA  FROM LOTEMOVS LEFT OUTER JOIN ARTLOT ON "
                "ARTLOT.ARTIGO=LOTEMOVS.ARTIGO WHERE ANO=-1 AND TPDOCUM='' AND SERIE=-1 AND "
                "NNUMDOC=-1 AND NUMLINHA = -1 AND LOTEMOVS.CODLOT='' AND LOTEMOVS.VOSSLOTE='' ",
                rsOut);
    return;
  }
  // Without a connection the catalog raises 3709, which names the problem better than false.
  automation::db::ConnectionRef ligacao;
  std::ignore = dataAccess().ObterLigacao(ligacao);
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
