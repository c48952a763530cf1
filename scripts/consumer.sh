#!/bin/sh
# Installs the build of BUILD_DIR (default build) into a temporary prefix, then builds and runs
# the README's C++ example as another CMake project would: its CMakeLists.txt and main.cpp are
# the README's cmake and cpp blocks, copied out so that the README cannot drift from the package.
# The example runs on a fresh demo company, so its invoice is the series' first.
set -e
cd "$(dirname "$0")/.."
build="${1:-build}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
mkdir "$work/consumer"
sed -n '/^```cmake$/,/^```$/{/^```/d;p}' README.md > "$work/consumer/CMakeLists.txt"
sed -n '/^```cpp$/,/^```$/{/^```/d;p}' README.md > "$work/consumer/main.cpp"
cmake -S "$work/consumer" -B "$work/consumer/build" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/consumer/build" >/dev/null
out="$("$work/consumer/build/shop" "$work/company")"
echo "$out"
case "$out" in
  "FA 1/"*" no. 1") ;;
  *) echo "the README's example did not insert its invoice" >&2; exit 1 ;;
esac
