// The triggers that raise a server company's master-data version.
#include "erpserver/schema/ReferenceVersion.hpp"

namespace erpserver::postgres {
namespace {

// Per statement, not per row: a bulk change costs one raise. The server's own stock moves change
// only an article's stock (STDISP), which the catalog does not keep, so they raise nothing.
const char* const kTable = R"SQL(
CREATE TABLE SYS_VERSAOREF (ID INTEGER PRIMARY KEY CHECK (ID = 1), VERSAO BIGINT NOT NULL);
INSERT INTO SYS_VERSAOREF VALUES (1, 0);
CREATE FUNCTION SYS_VERSAOREF_SOBE() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
  UPDATE SYS_VERSAOREF SET VERSAO = VERSAO + 1 WHERE ID = 1;
  RETURN NULL;
END $$;
)SQL";

constexpr const char* kWholeTables[] = {"TIPOSDOC", "SERIES",   "IVAS",       "REGIVA",    "MOEDAS",
                                        "ARMAZENS", "UNIDADES", "VENDEDORES", "SECTORES", "CLIENTES",
                                        "FORNECEDORES", "PARAMS"};

// The columns of an article that the catalog keeps.
constexpr const char* kArticleColumns =
    "CODIGO, NOME, UNBASE, UNVND, FAMILI, SUBFAM, GRUPO, IVA, CTRSTO, CTRLOTE, PVPSIV, PVPCIV, ULTPMP, ULTPRC, PRSTND";

std::string trigger(const std::string& table, const std::string& events) {
  return "CREATE TRIGGER " + table + "_VERSAOREF AFTER " + events + " ON " + table +
         " FOR EACH STATEMENT EXECUTE FUNCTION SYS_VERSAOREF_SOBE();\n";
}

}  // namespace

std::string referenceVersionText() {
  std::string text = kTable;
  for (const char* table : kWholeTables) text += trigger(table, "INSERT OR UPDATE OR DELETE OR TRUNCATE");
  text += trigger("ARTIGOS", std::string("INSERT OR DELETE OR TRUNCATE OR UPDATE OF ") + kArticleColumns);
  return text;
}

}  // namespace erpserver::postgres
