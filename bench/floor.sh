#!/bin/sh
# The floor for an import into a company on a PostgreSQL server: the writes alone of DOCS ten-line
# invoices (default 2000) - a header, ten lines, three stock rows and the counter - sent by pgbench
# in one pipeline per document, one round trip, and committed 32 documents at a time as `qvd import`
# groups them on a server (BEGIN and COMMIT are a round trip each). No reads and no rules. Prints one line: documents/s, client CPU ms per
# document (pgbench's), server CPU ms per document (see bench/server-cpu.sh) and round trips.
# usage: bench/floor.sh SERVER [DOCS] [QVD]   (SERVER: "postgresql://user@host:port/")
set -e
server=$1
docs=${2:-2000}
qvd=${3:-build/qvd}
work=$(mktemp -d)
company=qvd_floor_$$
trap 'rm -rf "$work"; psql "$server" -qc "DROP DATABASE IF EXISTS $company WITH (FORCE)" 2>/dev/null' EXIT
"$qvd" init "$server" --company "$company" >/dev/null
database=$(echo "$server" | sed "s#^\(postgres[a-z]*://[^/?]*\)/*[^?]*#\1/$company#")
psql "$database" -qc "CREATE SEQUENCE FLOOR_NUMERO"
# pgbench ends each run of its script with the transaction closed: one run is one group.
{
  echo 'BEGIN;'
  for d in $(seq 32); do
    printf '%s\n' '\startpipeline'
    echo "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, TERCEIRO, DATA, PROCESSO, TOTDOC, UTILIZADOR) VALUES ('FA', 1, 2024, nextval('floor_numero'), 'C001', '2024-03-15', '#F' || currval('floor_numero'), 68.75, 'admin');"
    for l in 1 2 3 4 5 6 7 8 9 10; do
      case $l in 1|5|8|10) a=A001 ;; 2|6|9) a=A003 ;; 4) a=S001 ;; *) a=P001 ;; esac
      echo "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ARTIGO, ARMAZEM, DESCR, QUANT, PRUNIT, IVA, TAXAIVA, UNIDADE, TOTLIN) VALUES ('FA', 1, 2024, currval('floor_numero'), $l, '$a', 'A1', 'line $l', 1, 1.25, 3, 23, 'UN', 1.25);"
    done
    for a in A001 A003 P001; do
      echo "INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC, QTDENT, QTDSID) VALUES ('$a', 'A1', -1, 0, 1) ON CONFLICT (ARTIGO, ARMAZEM) DO UPDATE SET EXISTENC = ARTARM.EXISTENC + excluded.EXISTENC, QTDSID = ARTARM.QTDSID + excluded.QTDSID;"
    done
    echo "INSERT INTO NUMDOC (ANO, DOC, SERIE, NUM) VALUES (2024, 'FA', 1, currval('floor_numero')) ON CONFLICT (ANO, DOC, SERIE) DO UPDATE SET NUM = excluded.NUM;"
    printf '%s\n' '\endpipeline'
  done
  echo 'COMMIT;'
} >"$work/floor.sql"
docs=$(( (docs + 31) / 32 * 32 ))
before=$(sh "$(dirname "$0")/server-cpu.sh" "$server")
/usr/bin/time -f "%e %U %S" -o "$work/time" pgbench -n -M prepared -t "$(( docs / 32 ))" -f "$work/floor.sql" \
  "$database" >"$work/out" 2>&1 || { cat "$work/out" >&2; exit 1; }
after=$(sh "$(dirname "$0")/server-cpu.sh" "$server")
read -r seconds user system <"$work/time"
awk -v d="$docs" -v s="$seconds" -v u="$user" -v y="$system" -v b="$before" -v a="$after" 'BEGIN {
  printf "%d documents: %.1f s, %.0f documents/s; client CPU %.2f ms/doc; server CPU %.2f ms/doc; %.2f round trips/doc\n",
         d, s, d / s, (u + y) * 1000 / d, (a - b) * 1000 / d, (d + 2 * d / 32) / d }'
