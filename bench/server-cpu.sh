#!/bin/sh
# The CPU seconds a PostgreSQL server on this machine has spent so far: its postmaster's own and
# its children's, those that ended (which the postmaster reaped) and those still running. It counts
# whatever else the server does meanwhile, so measure on a server that the measure has to itself.
# usage: bench/server-cpu.sh SERVER   (prints 0 when no server of that port runs here)
set -e
port=$(echo "$1" | sed -n 's#^postgres[a-z]*://[^/?]*:\([0-9][0-9]*\).*#\1#p')
postmaster=$(ps -eo pid=,args= | awk -v port="${port:-5432}" '$2 ~ /postgres$/ && $0 ~ ("-p " port "( |$)") { print $1; exit }')
[ -n "$postmaster" ] || { echo 0; exit 0; }
ticks=$(getconf CLK_TCK)
{
  awk '{print $14 + $15 + $16 + $17}' "/proc/$postmaster/stat"
  for child in $(cat "/proc/$postmaster/task/$postmaster/children" 2>/dev/null); do
    awk '{print $14 + $15}' "/proc/$child/stat" 2>/dev/null || true
  done
} | awk -v t="$ticks" '{ sum += $1 } END { printf "%.3f\n", sum / t }'
