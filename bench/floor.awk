# The script of bench/floor.sh: one group of 32 documents, 16 pairs of a supplier entry that
# brings four lots and an invoice that sells three of them, each document's writes in one
# pipeline. The statements and values are those `qvd import` sends for bench/import.sh's input.
function lines(doc, entry,    l, a, q, price, out) {
  out = "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, TPLINHA, ARTIGO, ARMAZEM, DESCR, PRUNIT, QUANT, IVA, TXDESC, UNIDADE, FACTOR, ORANO, ORSERIE, ORNUM, ORLIN, PRUNITINT, QUANTORIG, DESCVAL, TAXAIVA, ANULADA, TOTLIN) VALUES "
  for (l = 1; l <= 10; l++) {
    a = article[l]
    if (a == "A002" && !entry) a = "A001"
    q = entry && a == "A001" ? 2 * l : l
    price = l * 1.25
    out = out sprintf("%s('%s', 1, 2024, currval('floor_numero'), %d, 0, '%s', %s, 'line %d', %s, %d, 0, 0, '%s', 1, 0, 0, 0, 0, %s, %d, 0, %d, 0, %s)",
                      l > 1 ? ", " : "", doc, l, a, a == "S001" ? "NULL" : "'A1'", l, price, q, unit[a], price, q,
                      a == "A003" ? 6 : 23, price * q)
  }
  return out ";"
}
function header(doc, party, seller, taxpayer, totals) {
  return "INSERT INTO DOCGCCAB (TPDOC, TPPRECO, SERIE, NNUMDOC, TERCEIRO, DATA, VNUMDOC, DESCCAB, VENDEDOR, RGIVA, MOEDA, IVAINC, DESCPP, NCONTRIB, ARREDIVA, OBSERV, PESOTOT, VOLTOT, APROVADO, PROCESSO, ANO, CONVERTIDO, LIQUIDADO, COMISSAO, DESCCABVAL, TOTMERC, TOTDESC, TOTIVA, TOTDOC, ORIGEM, UTILIZADOR) VALUES ('" \
         doc "', 0, 1, currval('floor_numero'), '" party "', '2024-03-03', 'V' || currval('floor_numero'), 0, " seller \
         ", 'NAC', 'EUR', 0, 0, '" taxpayer "', 0, 'generated', 0, 0, 0, '#F' || currval('floor_numero'), 2024, 0, 0, 0, 0, " totals ", 0, 'admin');"
}
function lots(doc, codes, quantities, articles,    i, n, c, q, a, out) {
  n = split(codes, c, ";"); split(quantities, q, " "); split(articles, a, " ")
  out = "INSERT INTO LOTEMOVS (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, QUANT, CODLOT, ARTIGO, VOSSLOTE, ARMAZEM, VALIDADE) VALUES "
  for (i = 1; i <= n; i++)
    out = out sprintf("%s('%s', 1, 2024, currval('floor_numero'), %d, %d, %s, '%s', NULL, 'A1', '2026-12-31')", i > 1 ? ", " : "",
                      doc, q[i], q[i], c[i], a[i])
  return out ";"
}
function counter(doc) {
  return "INSERT INTO NUMDOC (ANO, DOC, SERIE, NUM) VALUES (2024, '" doc "', 1, currval('floor_numero')) ON CONFLICT (ANO, DOC, SERIE) DO UPDATE SET NUM = CASE WHEN excluded.NUM > NUMDOC.NUM THEN excluded.NUM ELSE NUMDOC.NUM END;"
}
BEGIN {
  split("A001 A003 P001 S001 A001 A003 P001 A001 A003 A002", article, " ")
  unit["A001"] = "UN"; unit["A003"] = "KG"; unit["P001"] = "UN"; unit["S001"] = "UN"; unit["A002"] = "LT"
  stock = "INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC, QTDENT, QTDSID) VALUES %s ON CONFLICT (ARTIGO, ARMAZEM) DO UPDATE SET EXISTENC = ARTARM.EXISTENC + excluded.EXISTENC, QTDENT = ARTARM.QTDENT + excluded.QTDENT, QTDSID = ARTARM.QTDSID + excluded.QTDSID;"
  lot = "INSERT INTO ARTLOT (ARTIGO, CODLOTE, ARMAZEM, QTDENT, QTDSID, DTAENTRA, VALIDADE, VOSSLOTE) VALUES %s ON CONFLICT (ARTIGO, CODLOTE, ARMAZEM) DO UPDATE SET QTDENT = ARTLOT.QTDENT + excluded.QTDENT, QTDSID = ARTLOT.QTDSID + excluded.QTDSID;"
  print "BEGIN;"
  for (p = 1; p <= 16; p++) {
    print "\\startpipeline"
    print "SELECT nextval('floor_numero');"
    print "UPDATE ARTIGOS SET ULTPRC = V.column2, ULTPMP = V.column3 FROM (VALUES ('A001', 10, 1.62), ('A003', 11.25, 1.07), ('P001', 8.75, 19.375), ('A002', 12.5, 5)) AS V WHERE ARTIGOS.CODIGO = V.column1;"
    printf stock "\n", "('A001', 'A1', 28, 28, 0), ('A003', 'A1', 17, 17, 0), ('P001', 'A1', 10, 10, 0), ('A002', 'A1', 10, 10, 0)"
    mine = "'L-' || currval('floor_numero') || '-"
    printf lot "\n", "('A003', " mine "2', 'A1', 2, 0, '2024-03-03', '2026-12-31', NULL), ('A003', " mine "6', 'A1', 6, 0, '2024-03-03', '2026-12-31', NULL), ('A003', " mine "9', 'A1', 9, 0, '2024-03-03', '2026-12-31', NULL), ('A002', " mine "10', 'A1', 10, 0, '2024-03-03', '2026-12-31', NULL)"
    print header("GEF", "F001", "NULL", "502345678", "593.75, 0, 110.87, 704.62")
    print lines("GEF", 1)
    print lots("GEF", mine "2';" mine "6';" mine "9';" mine "10'", "2 6 9 10", "A003 A003 A003 A002")
    print counter("GEF")
    print "\\endpipeline"
    print "\\startpipeline"
    print "SELECT nextval('floor_numero');"
    printf stock "\n", "('A001', 'A1', -24, 0, 24), ('A003', 'A1', -17, 0, 17), ('P001', 'A1', -10, 0, 10)"
    theirs = "'L-' || currval('floor_numero') - 1 || '-"
    printf lot "\n", "('A003', " theirs "2', 'A1', 0, 2, NULL, '2026-12-31', NULL), ('A003', " theirs "6', 'A1', 0, 6, NULL, '2026-12-31', NULL), ('A003', " theirs "9', 'A1', 0, 9, NULL, '2026-12-31', NULL)"
    print header("FA", "C001", "'V1'", "501234567", "481.25, 0, 84.99, 566.24")
    print lines("FA", 0)
    print lots("FA", theirs "2';" theirs "6';" theirs "9'", "2 6 9", "A003 A003 A003")
    print counter("FA")
    print "\\endpipeline"
  }
  print "COMMIT;"
}
