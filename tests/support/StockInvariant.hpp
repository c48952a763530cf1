#pragma once

#include <functional>
#include <string>

namespace testing_support {

// Where the company's stock disagrees with itself: a warehouse's stock of a lot-controlled
// article against the sum of its lots there, or an article's total against the sum of its
// warehouses. Empty when every figure agrees; `scalar` runs a query and returns its first value.
inline std::string stockInvariantBreaches(const std::function<std::string(const std::string&)>& scalar) {
  return scalar(
      "SELECT ifnull(group_concat(breach, '; '), '') FROM ("
      "SELECT A.ARTIGO || ' in ' || A.ARMAZEM || ': ' || A.EXISTENC || ' against lots ' || "
      "(SELECT TOTAL(L.QTDENT - L.QTDSID) FROM ARTLOT L WHERE L.ARTIGO = A.ARTIGO AND L.ARMAZEM = A.ARMAZEM) AS breach "
      "FROM ARTARM A JOIN ARTIGOS R ON R.CODIGO = A.ARTIGO WHERE R.CTRLOTE <> 0 AND abs(A.EXISTENC - "
      "(SELECT TOTAL(L.QTDENT - L.QTDSID) FROM ARTLOT L WHERE L.ARTIGO = A.ARTIGO AND L.ARMAZEM = A.ARMAZEM)) > 0.00005 "
      "UNION ALL SELECT CODIGO || ': ' || STDISP || ' against warehouses ' || "
      "(SELECT TOTAL(EXISTENC) FROM ARTARM WHERE ARTIGO = CODIGO) FROM ARTIGOS "
      "WHERE abs(STDISP - (SELECT TOTAL(EXISTENC) FROM ARTARM WHERE ARTIGO = CODIGO)) > 0.00005)");
}

}  // namespace testing_support
