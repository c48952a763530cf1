#!/bin/sh
# Installs what a fresh Debian machine lacks to build and test the project. Safe to run again.
set -e
need=""
for pkg in g++ cmake make libsqlite3-dev libpq-dev postgresql libgtest-dev libbenchmark-dev libutf8proc-dev pybind11-dev python3-dev; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need="$need $pkg"
done
if [ -n "$need" ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $need
fi
