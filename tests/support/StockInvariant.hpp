#pragma once

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Where the company's stock disagrees with itself: a warehouse's stock of a lot-controlled
// article against the sum of its lots there, or an article's total against the sum of its
// warehouses. Empty when every figure agrees, else the first breach; `scalar` runs a query and
// returns its first value. Written in SQL that every engine of a company reads.
inline std::string stockInvariantBreaches(const std::function<std::string(const std::string&)>& scalar) {
  const std::string lots = "(SELECT COALESCE(SUM(L.QTDENT - L.QTDSID), 0) FROM ARTLOT L "
                           "WHERE L.ARTIGO = A.ARTIGO AND L.ARMAZEM = A.ARMAZEM)";
  const std::string warehouses = "(SELECT COALESCE(SUM(W.EXISTENC), 0) FROM ARTARM W WHERE W.ARTIGO = R.CODIGO)";
  return scalar("SELECT breach FROM (SELECT A.ARTIGO || ' in ' || A.ARMAZEM || ': ' || A.EXISTENC || ' against lots ' || " +
                lots + " AS breach FROM ARTARM A JOIN ARTIGOS R ON R.CODIGO = A.ARTIGO WHERE R.CTRLOTE <> 0 AND abs(A.EXISTENC - " +
                lots + ") > 0.00005 UNION ALL SELECT R.CODIGO || ': ' || R.STDISP || ' against warehouses ' || " +
                warehouses + " FROM ARTIGOS R WHERE abs(R.STDISP - " + warehouses +
                ") > 0.00005) AS breaches ORDER BY breach LIMIT 1");
}

// Statements that make every lot movement the ERP writes also put one more unit into its
// warehouse's stock, as a fault in the ERP's own bookkeeping would: a document that moves lots then
// leaves its warehouse's stock other than its lots. In the SQL of a file or of a server.
inline std::vector<std::string> stockSkewStatements(bool onServer) {
  const std::string skew =
      "UPDATE ARTARM SET EXISTENC = EXISTENC + 1 WHERE ARTIGO = NEW.ARTIGO AND ARMAZEM = NEW.ARMAZEM;";
  if (!onServer) return {"CREATE TRIGGER SKEW AFTER INSERT ON LOTEMOVS BEGIN " + skew + " END"};
  return {"CREATE FUNCTION SKEW() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN " + skew + " RETURN NULL; END $$",
          "CREATE TRIGGER SKEW AFTER INSERT ON LOTEMOVS FOR EACH ROW EXECUTE FUNCTION SKEW()"};
}

}  // namespace testing_support
