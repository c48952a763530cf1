#!/bin/sh
# The floor for an import into a company on a PostgreSQL server: the writes alone that `qvd import`
# sends for the DOCS documents of bench/import.sh (default 2000; half supplier entries bringing
# lots, half invoices selling them), the same statements, sent by pgbench in one pipeline per
# document, one round trip, and committed 32 documents at a time as `qvd import` groups them on a
# server (BEGIN and COMMIT are a round trip each). No reads and no rules (bench/floor.awk). Prints one line: documents/s, client CPU ms per
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
awk -f "$(dirname "$0")/floor.awk" >"$work/floor.sql"
docs=$(( (docs + 31) / 32 * 32 ))
before=$(sh "$(dirname "$0")/server-cpu.sh" "$server")
/usr/bin/time -f "%e %U %S" -o "$work/time" pgbench -n -M prepared -t "$(( docs / 32 ))" -f "$work/floor.sql" \
  "$database" >"$work/out" 2>&1 || { cat "$work/out" >&2; exit 1; }
after=$(sh "$(dirname "$0")/server-cpu.sh" "$server")
read -r seconds user system <"$work/time"
awk -v d="$docs" -v s="$seconds" -v u="$user" -v y="$system" -v b="$before" -v a="$after" 'BEGIN {
  printf "%d documents: %.1f s, %.0f documents/s; client CPU %.2f ms/doc; server CPU %.2f ms/doc; %.2f round trips/doc\n",
         d, s, d / s, (u + y) * 1000 / d, (a - b) * 1000 / d, (d + 2 * d / 32) / d }'
