#!/bin/sh
# Measures PROCS `qvd import` processes writing at once into one company (default 8), each with
# DOCS invoices of ten lines of its own (default 2000), on a company file and, when a server is
# named (QVD_BENCH_POSTGRES or QVD_TEST_POSTGRES, "postgresql://user@host:port/"), on a company
# on that server. Prints the wall time, the documents per second, the failures and what the
# numbering came to: documents, distinct numbers and the highest number, which must all be equal.
# usage: bench/import-parallel.sh [PROCS] [DOCS] [QVD]   (QVD: the program, default build/qvd)
set -e
procs=${1:-8}
docs=${2:-2000}
qvd=${3:-build/qvd}
server=${QVD_BENCH_POSTGRES:-$QVD_TEST_POSTGRES}
work=$(mktemp -d)
company=qvd_parallel_$$
trap 'rm -rf "$work"; [ -z "$server" ] || psql "$server" -qc "DROP DATABASE IF EXISTS $company WITH (FORCE)" 2>/dev/null' EXIT

for p in $(seq "$procs"); do
  awk -v p="$p" -v docs="$docs" -v dir="$work" 'BEGIN {
    cab = dir "/CAB" p ".csv"; lin = dir "/LIN" p ".csv"
    print "REF,TPDOC,SERIE,TERCEIRO,DATA" > cab
    print "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT" > lin
    for (d = 1; d <= docs; d++) {
      printf "P%dD%d,FA,1,C001,2024-03-15\n", p, d >> cab
      for (l = 1; l <= 10; l++) printf "P%dD%d,S001,,%d,25\n", p, d, l >> lin
    }
  }'
done

run() {  # $1: engine name, $2: location, $3: command printing "documents|distinct numbers|highest"
  start=$(date +%s.%N)
  pids=""
  for p in $(seq "$procs"); do
    "$qvd" import "$2" "$work/CAB$p.csv" "$work/LIN$p.csv" --company "$company" --log "$work" >"$work/out$p" 2>&1 &
    pids="$pids $!"
  done
  failed=0
  for pid in $pids; do wait "$pid" || failed=$((failed + 1)); done
  end=$(date +%s.%N)
  numbering=$(eval "$3")
  awk -v e="$1" -v n="$procs" -v d="$docs" -v s="$start" -v t="$end" -v f="$failed" -v k="$numbering" 'BEGIN {
    printf "%s: %d processes x %d documents: %.1f s, %.0f documents/s; %d failed; documents|numbers|highest %s\n",
           e, n, d, t - s, n * d / (t - s), f, k }'
}

"$qvd" init "$work" --company "$company" >/dev/null
run SQLite "$work" "sqlite3 -separator '|' '$work/$company.db' \"SELECT COUNT(*), COUNT(DISTINCT NNUMDOC), MAX(NNUMDOC) FROM DOCGCCAB\""
if [ -n "$server" ]; then
  "$qvd" init "$server" --company "$company" >/dev/null
  run PostgreSQL "$server" "psql '${server%/*}/$company' -Atc \"SELECT COUNT(*), COUNT(DISTINCT NNUMDOC), MAX(NNUMDOC) FROM DOCGCCAB\""
fi
