#!/bin/sh
# The Windows build: `sh scripts/windows.sh` installs what it needs and cross-builds the project
# for 64-bit Windows with Debian's mingw-w64 into build-windows/ (programs and DLLs in
# build-windows/bin/); `sh scripts/windows.sh test` then runs the test programs under Wine, headless,
# in a fresh prefix, and exits non-zero on any failure. Safe to run again.
set -e
cd "$(dirname "$0")/.."
root="$(pwd)"
build="$root/build-windows"

# What is built (the program, the test suite, the component servers' DLLs, the probe server and
# type-library client of the script-host tests), and the test programs
# run under Wine. A new target or test program joins these lists. The tests that need POSIX
# processes are not built for Windows at all (CMakeLists.txt says which), and those on a
# PostgreSQL server skip themselves without the engine.
targets="qvd qvd_tests qvd_com_library qvd_com_erpserver qvd_com_dataaccess qvd_com_probe qvd_com_client"
test_programs="qvd_tests"

# SQLite's amalgamation (sqlite3.c, sqlite3.h) as the npm package better-sqlite3 ships it: one
# pinned tarball from a registry this project uses, checked here by its SHA-256, with no build step
# of its own. Debian's source package would need apt's source lists, which a fresh machine lacks.
sqlite_package=better-sqlite3@12.11.1
sqlite_tarball=better-sqlite3-12.11.1.tgz
sqlite_sha256=ebf0ed75a7a59dbcb3b24bbd014ef49d9f15bc328e4adcbf516f2a8fadfa2835
sqlite_dir="$build/deps/sqlite-3.53.2"

install_packages() {
  need=""
  for pkg in cmake make g++-mingw-w64-x86-64-posix mingw-w64-tools googletest wine wine64; do
    dpkg -s "$pkg" >/dev/null 2>&1 || need="$need $pkg"
  done
  # npm may come with a Node.js of another origin; Debian's is taken only when there is none.
  command -v npm >/dev/null 2>&1 || need="$need npm"
  [ -z "$need" ] && return
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $need
}

fetch_sqlite() {
  [ -f "$sqlite_dir/sqlite3.c" ] && return
  work="$(mktemp -d /tmp/qvd-sqlite.XXXXXX)"
  (cd "$work" && npm pack --silent "$sqlite_package" >/dev/null)
  if ! echo "$sqlite_sha256  $work/$sqlite_tarball" | sha256sum -c --quiet -; then
    echo "windows.sh: $sqlite_tarball does not have the recorded SHA-256 $sqlite_sha256: not used" >&2
    rm -rf "$work"
    exit 1
  fi
  tar -xzf "$work/$sqlite_tarball" -C "$work" package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
  mkdir -p "$sqlite_dir"
  mv "$work/package/deps/sqlite3/sqlite3.c" "$work/package/deps/sqlite3/sqlite3.h" "$sqlite_dir/"
  rm -rf "$work"
}

cross_build() {
  launcher=""
  command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
  # shellcheck disable=SC2086
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DQVD_SQLITE_SOURCE_DIR="$sqlite_dir" $launcher >/dev/null
  # shellcheck disable=SC2086
  cmake --build "$build" -j"$(nproc)" --target $targets
}

# Every test program under Wine in a prefix of its own, made for this run and removed after it.
# Wine's exit code alone is not trusted: GoogleTest's closing lines must say that all passed.
run_tests() {
  prefix="$(mktemp -d /tmp/qvd-wine.XXXXXX)"
  trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$prefix"' EXIT
  export WINEPREFIX="$prefix" WINEDEBUG=-all WINEARCH=win64
  unset DISPLAY QVD_TEST_POSTGRES QVD_TEST_ENGINE
  wine wineboot --init >/dev/null 2>&1
  failed=0
  for program in $test_programs; do
    log="$build/$program.log"
    status=0
    (cd "$build/bin" && wine "./$program.exe") >"$log" 2>&1 || status=$?
    tail -n 30 "$log"
    if [ "$status" -ne 0 ] || ! grep -q '^\[  PASSED  \]' "$log" || grep -q '^\[  FAILED  \]' "$log"; then
      echo "windows.sh: $program failed under Wine (exit $status); its whole output is in $log" >&2
      failed=1
    fi
  done
  # The component servers registered and driven by script hosts and a type-library client; a
  # Linux qvd built beside (build/qvd) must then read the company the script wrote.
  linux_qvd=""
  [ -x "$root/build/qvd" ] && linux_qvd="$root/build/qvd"
  sh tests/com/run.sh "$build" $linux_qvd || failed=1
  return $failed
}

install_packages
fetch_sqlite
cross_build
case "${1:-build}" in
  build) ;;
  test) run_tests ;;
  *) echo "usage: sh scripts/windows.sh [build|test]" >&2; exit 2 ;;
esac
