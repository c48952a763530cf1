#!/bin/sh
# Measures `qvd import` on generated input: DOCS documents of ten lines each (default 100000),
# half of them invoices, half supplier entries whose lot-controlled lines carry new lots. Prints the
# documents per second, what was written to disk per document and the peak memory, first for a
# tenth of the documents and then for all of them, so that the two peaks show whether memory grows
# with the files; then the CPU per document of the program and of the server (bench/server-cpu.sh)
# and the round trips to the server per document. With IMPORT_SERVER set to a server's URI ("postgresql://user@host:port/") the
# company is a database on that server instead of a file, dropped at the end.
# usage: bench/import.sh [DOCS] [QVD]   (QVD: the program, default build/qvd)
set -e
docs=${1:-100000}
qvd=${2:-build/qvd}
work=$(mktemp -d)
server=${IMPORT_SERVER:-}
company=qvd_import_$$
drop() { [ -z "$server" ] || psql "$server" -qc "DROP DATABASE IF EXISTS $company WITH (FORCE)" 2>/dev/null; }
trap 'rm -rf "$work"; drop' EXIT

generate() {  # $1: documents, $2: folder
  awk -v docs="$1" -v dir="$2" 'BEGIN {
    cab = dir "/CAB.csv"; lin = dir "/LIN.csv"; lot = dir "/LOT.csv"
    print "REF,TPDOC,SERIE,TERCEIRO,DATA,VNUMDOC,OBSERV" > cab
    print "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT,DESCR" > lin
    print "REF,NUMLINHA,CODLOT,QUANT,VALIDADE" > lot
    split("A001 A003 P001 S001 A001 A003 P001 A001 A003 A002", article, " ")
    for (d = 1; d <= docs; d++) {
      entry = d % 2 == 0
      printf "D%d,%s,1,%s,2024-%02d-%02d,V%d,generated\n", d, entry ? "GEF" : "FA", entry ? "F001" : "C001",
             d % 12 + 1, d % 28 + 1, d >> cab
      for (l = 1; l <= 10; l++) {
        a = article[l]
        if (a == "A002" && !entry) a = "A001"
        # Entries bring twice the screws, so that the invoices never sell more than the stock.
        q = entry && a == "A001" ? 2 * l : l
        printf "D%d,%s,%s,%d,%.2f,line %d of D%d\n", d, a, a == "S001" ? "" : "A1", q, l * 1.25, l, d >> lin
      }
      # An entry names the lots it brings; an invoice leaves them to the ERP (earliest expiry first).
      for (l = 1; l <= 10 && entry; l++)
        if (article[l] == "A002" || article[l] == "A003") printf "D%d,%d,L-%d-%d,%d,2026-12-31\n", d, l, d, l, l >> lot
    }
  }'
}

run() {  # $1: documents
  rm -rf "$work/co" "$work"/*.csv
  drop
  location=${server:-$work/co}
  "$qvd" init "$location" --company "$company" >/dev/null
  generate "$1" "$work"
  bytes=$(cat "$work"/*.csv | wc -c)
  cpu=$(dirname "$0")/server-cpu.sh
  serverBefore=$([ -z "$server" ] || sh "$cpu" "$server")
  /usr/bin/time -f "%e %U %S %M %O" -o "$work/time" "$qvd" import "$location" "$work/CAB.csv" "$work/LIN.csv" \
    "$work/LOT.csv" --company "$company" --log "$work" >"$work/out" 2>/dev/null || true
  serverAfter=$([ -z "$server" ] || sh "$cpu" "$server")
  read -r seconds user system kbytes blocks <"$work/time"
  grep '^Imported' "$work/out"
  trips=$(sed -n 's/^Round trips to the server: \([0-9.]*\) per document.*/\1/p' "$work/out")
  awk -v d="$1" -v b="$bytes" -v s="$seconds" -v u="$user" -v y="$system" -v k="$kbytes" -v w="$blocks" \
      -v sb="${serverBefore:-0}" -v sa="${serverAfter:-0}" -v t="${trips:-n/a}" 'BEGIN {
    server = "n/a"
    if (sa > 0) server = sprintf("%.2f", (sa - sb) * 1000 / d)
    printf "%d documents (%.1f MiB of CSV, %.2f KiB each): %.1f s, %.0f documents/s; CPU %.1f s (%.0f documents per CPU second); written %.1f KiB per document; peak memory %.1f MiB; client CPU %.2f ms/doc; server CPU %s ms/doc; %s round trips/doc\n",
           d, b / 1048576, b / d / 1024, s, d / s, u + y, d / (u + y), w * 512 / d / 1024, k / 1024, (u + y) * 1000 / d,
           server, t }'
}

run $((docs / 10))
run "$docs"
