#!/bin/sh
# The component servers under Wine, headless, in a fresh prefix: registers every DLL of
# BUILD/bin and the probe, runs the probe and day-of-work scripts, the README's VBScript example
# under Wine's cscript and the type-library client, then unregisters and checks that no key of
# ours is left.
# Usage: sh tests/com/run.sh BUILD [LINUX_QVD]   (LINUX_QVD: a Linux qvd that must read the
# company the scripts wrote)
set -eu
build="$(cd "$1" && pwd)"
linux_qvd="${2:-}"
here="$(cd "$(dirname "$0")" && pwd)"
work="$build/comtest/run"
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
unset DISPLAY
wineboot -i >/dev/null 2>&1
failures=0

# cscript exits 0 even when a script dies on an unhandled error: the script's own closing line,
# "N passed, 0 failed", is what says it ran to the end.
run_script() {
  name="$1"
  shift
  output="$(wine cscript //nologo "$@" 2>&1 | tr -d '\r')" || true
  printf '%s\n' "$output" | sed "s/^/  $name: /"
  if ! printf '%s\n' "$output" | tail -n 1 | grep -Eq '^[0-9]+ passed, 0 failed$'; then
    echo "FAILED: $name did not end with its closing line and no failures"
    failures=$((failures + 1))
  fi
}

registry_mentions() {
  wine regedit /E "$work/registry.reg" >/dev/null 2>&1
  iconv -f UTF-16LE -t UTF-8 "$work/registry.reg" | tr -d '\r' |
    grep -Eic 'QuarvelVaroDav|ERPNGCOAPI|ErpApiNextPlus|QvdTest|A56E023E-3510-400D-8DE2-6185C9BBF3DD' || true
}

before="$(registry_mentions)"
servers="$(ls "$build"/bin/*.dll) $build/comtest/QvdComProbe.dll"
for dll in $servers; do
  wine regsvr32 /s "$dll" || { echo "FAILED: regsvr32 $dll"; failures=$((failures + 1)); }
done

cp "$here/probe.vbs" "$here/day_of_work.vbs" "$work/"
run_script probe "$(winepath -w "$work/probe.vbs")"

company="$work/company"
mkdir -p "$company"
wine "$build/bin/qvd.exe" init "$company" >/dev/null
run_script day_of_work "$(winepath -w "$work/day_of_work.vbs")" "$(winepath -w "$company")"

# The README's VBScript example, as a user would copy it, must print the key of its invoice.
awk '/^```vbscript$/ { inside = 1; next } /^```$/ { inside = 0 } inside' "$here/../../README.md" >"$work/invoice.vbs"
readme="$(wine cscript //nologo "$(winepath -w "$work/invoice.vbs")" "$(winepath -w "$company")" 2>&1 | tr -d '\r')" || true
printf '%s\n' "$readme" | sed 's/^/  README example: /'
printf '%s\n' "$readme" | grep -q '^Invoice: ' || { echo "FAILED: the README's VBScript example"; failures=$((failures + 1)); }

client="$(wine "$build/comtest/qvd_com_client.exe" "$(winepath -w "$company")" 2>&1 | tr -d '\r')" || true
printf '%s\n' "$client" | sed 's/^/  client: /'
printf '%s\n' "$client" | tail -n 1 | grep -Eq '^[0-9]+ passed, 0 failed$' ||
  { echo "FAILED: the type-library client"; failures=$((failures + 1)); }

# The invoice the README's example made is in the company file, as Linux reads it too.
key="$(printf '%s\n' "$readme" | sed -n 's/^Invoice: \([A-Z]*\) \([0-9]*\)\/\([0-9]*\) no\. \([0-9]*\)$/\1 \2 \3 \4/p' | head -n 1)"
if [ -n "$linux_qvd" ] && [ -n "$key" ]; then
  # shellcheck disable=SC2086
  "$linux_qvd" show "$company" $key >/dev/null ||
    { echo "FAILED: $linux_qvd show $company $key"; failures=$((failures + 1)); }
fi

for dll in $servers; do
  wine regsvr32 /u /s "$dll" || { echo "FAILED: regsvr32 /u $dll"; failures=$((failures + 1)); }
done
after="$(registry_mentions)"
if [ "$after" != "$before" ]; then
  echo "FAILED: $after registry lines still name our classes after unregistering (before: $before)"
  failures=$((failures + 1))
fi
wineserver -k 2>/dev/null || true

[ "$failures" -eq 0 ] && echo "component servers: all passed" || { echo "component servers: $failures failed"; exit 1; }
