#!/bin/sh
# Builds the benchmarks optimised (build-bench/) and prints one table: every figure, its ratio
# to the baseline measured in the same run, and the speed targets, met or missed. The import of
# IMPORT_DOCS generated documents (default 20000) by the qvd program is one of the figures; its
# lines (a tenth of the documents, then all: rate, bytes written, peak memory) come first. With a
# PostgreSQL server named (QVD_BENCH_POSTGRES or QVD_TEST_POSTGRES) the import of SERVER_DOCS
# documents (default 2000) runs on a company on that server as well, its lines marked "PostgreSQL:",
# and so does the library's insert; beside it the floor, the same writes alone in one pipeline per
# document (bench/floor.sh), and a table of both engines and the floor: documents/s, CPU per
# document of the client and of the server, and round trips per document. Then eight imports at
# once into one company (bench/import-parallel.sh), on each engine.
# usage: scripts/bench.sh [regex of the benchmarks to run]
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQVD_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target qvd_bench qvd >/dev/null
import=$(sh bench/import.sh "${IMPORT_DOCS:-20000}" build-bench/qvd)
echo "$import"
server=${QVD_BENCH_POSTGRES:-$QVD_TEST_POSTGRES}
if [ -n "$server" ]; then
  onServer=$(IMPORT_SERVER=$server sh bench/import.sh "${SERVER_DOCS:-2000}" build-bench/qvd)
  echo "$onServer" | sed 's/^/PostgreSQL: /'
  floor=$(sh bench/floor.sh "$server" "${SERVER_DOCS:-2000}" build-bench/qvd)
  echo "Floor (the writes alone, one pipeline per document): $floor"
  # The last line of each: the run of all the documents.
  row() {  # $1: name, $2: a line of bench/import.sh or bench/floor.sh
    echo "$2" | tail -1 | sed -n 's#.* \([0-9]*\) documents/s;.*client CPU \([0-9.]*\) ms/doc; server CPU \([0-9.na/]*\) ms/doc; \([0-9.na/]*\) round trips/doc.*#\1 \2 \3 \4#p' |
      awk -v n="$1" '{ printf "| %-10s | %12s | %18s | %18s | %15s |\n", n, $1, $2, $3, $4 }'
  }
  echo "| engine     |  documents/s | client CPU ms/doc  | server CPU ms/doc  | round trips/doc |"
  row SQLite "$import"
  row PostgreSQL "$onServer"
  row floor "$floor"
  echo "$onServer" "$floor" | tr '\n' ' ' | sed -n 's#.* \([0-9]*\) documents/s;.* \([0-9]*\) documents/s;.*#\1 \2#p' |
    awk '{ printf "PostgreSQL import / floor: %.2f of the floor'"'"'s documents/s (target: at least 0.70)\n", $1 / $2 }'
fi
sh bench/import-parallel.sh 8 "$(( ${IMPORT_DOCS:-20000} / 10 ))" build-bench/qvd
imported=$(echo "$import" | sed -n 's/.* \([0-9]*\) documents\/s;.*(\([0-9]*\) documents per CPU second).*/\1:\2/p' | tail -1)
build-bench/qvd_bench --benchmark_filter="${1:-.}" --benchmark_min_time=1 "--figure=qvd import/10 lines=$imported"
