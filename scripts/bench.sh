#!/bin/sh
# Builds the benchmarks optimised (build-bench/) and prints one table: every figure, its ratio
# to the baseline measured in the same run, and the speed targets, met or missed. The import of
# IMPORT_DOCS generated documents (default 20000) by the qvd program is one of the figures; its
# lines (a tenth of the documents, then all: rate, bytes written, peak memory) come first.
# usage: scripts/bench.sh [regex of the benchmarks to run]
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQVD_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target qvd_bench qvd >/dev/null
import=$(sh bench/import.sh "${IMPORT_DOCS:-20000}" build-bench/qvd)
echo "$import"
imported=$(echo "$import" | sed -n 's/.* \([0-9]*\) documents\/s;.*(\([0-9]*\) documents per CPU second).*/\1:\2/p' | tail -1)
build-bench/qvd_bench --benchmark_filter="${1:-.}" --benchmark_min_time=1 "--figure=qvd import/10 lines=$imported"
