#!/bin/sh
# Builds the fuzz targets of fuzz/ with clang and libFuzzer (build-fuzz/) and runs each for a
# bounded time. Inputs that crash are kept in fuzz-findings/<target>/; each one found becomes a
# regression test once fixed.
# usage: scripts/fuzz.sh [seconds per target, default 60] [target ...]
set -e
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
if ! command -v clang++ >/dev/null || ! dpkg -s libclang-rt-14-dev >/dev/null 2>&1; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends clang libclang-rt-14-dev
fi
sh scripts/setup.sh
targets="$*"
[ -n "$targets" ] || targets=$(for f in fuzz/*.cpp; do basename "$f" .cpp; done)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVD_FUZZ=ON >/dev/null
for t in $targets; do
  cmake --build build-fuzz -j"$(nproc)" --target "fuzz_$t" >/dev/null
done
status=0
for t in $targets; do
  mkdir -p "build-fuzz/corpus/$t" "fuzz-findings/$t"
  echo "== $t: $seconds s"
  if ! "build-fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
      -artifact_prefix="fuzz-findings/$t/" "build-fuzz/corpus/$t" 2>"build-fuzz/$t.log"; then
    status=1
    grep -E "ERROR|property broken|SUMMARY" "build-fuzz/$t.log" | head -5
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb|documents inserted" "build-fuzz/$t.log"
  echo "findings: $(ls "fuzz-findings/$t" | wc -l)"
done
exit $status
