#!/bin/sh
# Builds the benchmarks optimised (build-bench/) and prints one table: every figure, its ratio
# to the baseline measured in the same run, and the speed targets, met or missed. The import of
# IMPORT_DOCS generated documents (default 20000) by the qvd program is one of the figures; its
# lines (a tenth of the documents, then all: rate, bytes written, peak memory) come first. With a
# PostgreSQL server named (QVD_BENCH_POSTGRES or QVD_TEST_POSTGRES) the import runs on a company
# on that server as well, its lines marked "PostgreSQL:", and so does the library's insert. Then
# eight imports at once into one company (bench/import-parallel.sh), on each engine.
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
  IMPORT_SERVER=$server sh bench/import.sh "${IMPORT_DOCS:-20000}" build-bench/qvd | sed 's/^/PostgreSQL: /'
fi
sh bench/import-parallel.sh 8 "$(( ${IMPORT_DOCS:-20000} / 10 ))" build-bench/qvd
imported=$(echo "$import" | sed -n 's/.* \([0-9]*\) documents\/s;.*(\([0-9]*\) documents per CPU second).*/\1:\2/p' | tail -1)
build-bench/qvd_bench --benchmark_filter="${1:-.}" --benchmark_min_time=1 "--figure=qvd import/10 lines=$imported"
