#!/bin/sh
# Builds everything and runs the whole test suite, then the README's example against the
# installed package; then builds it again with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/) and runs the suite there, leak checks included; last, the tests that share a
# company between threads under ThreadSanitizer (build-tsan/).
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
jobs="$(nproc)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# Another CMake project finds the installed package and runs the README's example.
sh scripts/consumer.sh build
# Unoptimised: the sanitizers find the same faults and the tree builds faster.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQVD_SANITIZE=ON
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
# Facades on threads of their own and concurrent writers share nothing unsynchronised.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DQVD_TSAN=ON -DQVD_PYTHON=OFF
cmake --build build-tsan -j"$jobs" --target qvd_tests
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure -j"$jobs" \
  -R '(ConcurrentWriters|GroupedWrites|FacadesOnThreads|TwoFacades)'
