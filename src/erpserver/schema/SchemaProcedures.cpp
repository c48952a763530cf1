#include "erpserver/schema/SchemaProcedures.hpp"

namespace erpserver {

const std::vector<StoredProcedure>& storedProcedures() {
  static const std::vector<StoredProcedure> procedures = {
      {"sp_ost_Get_ARTIGOARMAZEM", R"SQL(
SELECT S.ARTIGO, A.NOME, S.ARMAZEM, S.EXISTENC, S.QTDENT, S.QTDSID, A.UNBASE
FROM ARTARM S JOIN ARTIGOS A ON A.CODIGO = S.ARTIGO
WHERE S.ARTIGO = @Artigo AND S.ARMAZEM = @Armazem)SQL"},

      // @Tipo is a preselection filter: 0 all, 1 active, 2 ready, 3 cancelled, 4 in manufacture,
      // 5 new, 6 scheduled, 7 deleted. Deleted orders appear only under 7.
      {"sp_ost_Get_ORDENSFABRICO", R"SQL(
SELECT O.ORDEMID, O.NUMERO, O.ARTIGO, A.NOME, O.QUANT, O.ARMAZEM, O.PROCESSO, O.ESTADO, O.APAGADA, O.DATA, O.SEQUENCIA
FROM ORDENSFABRICO O JOIN ARTIGOS A ON A.CODIGO = O.ARTIGO
WHERE (CASE CAST(@Tipo AS INTEGER)
         WHEN 0 THEN O.APAGADA = 0
         WHEN 1 THEN O.APAGADA = 0 AND O.ESTADO IN (0, 1, 2)
         WHEN 2 THEN O.APAGADA = 0 AND O.ESTADO = 3
         WHEN 3 THEN O.APAGADA = 0 AND O.ESTADO = 4
         WHEN 4 THEN O.APAGADA = 0 AND O.ESTADO = 2
         WHEN 5 THEN O.APAGADA = 0 AND O.ESTADO = 0
         WHEN 6 THEN O.APAGADA = 0 AND O.ESTADO = 1
         WHEN 7 THEN O.APAGADA <> 0
         ELSE 0 END)
  AND (@Data IS NULL OR O.DATA <= date(@Data))
ORDER BY O.SEQUENCIA, O.ORDEMID)SQL"},

      // One statement: both rows take each other's sequence, or nothing changes when either is missing.
      {"SP_OST_ORDEMFABRICO_TROCASEQ", R"SQL(
UPDATE ORDENSFABRICO SET SEQUENCIA = S.NOVA
FROM (SELECT A.ORDEMID AS ID, B.SEQUENCIA AS NOVA
      FROM ORDENSFABRICO A JOIN ORDENSFABRICO B
        ON (A.ORDEMID = @Ordem1 AND B.ORDEMID = @Ordem2) OR (A.ORDEMID = @Ordem2 AND B.ORDEMID = @Ordem1)) AS S
WHERE ORDENSFABRICO.ORDEMID = S.ID;
SELECT ORDEMID, SEQUENCIA FROM ORDENSFABRICO WHERE ORDEMID IN (@Ordem1, @Ordem2) ORDER BY ORDEMID)SQL"},
  };
  return procedures;
}

}  // namespace erpserver
