#!/usr/bin/env bash
# The CP932 conversions print the same on Linux and under Wine.
# Usage: encoding_matches_linux.sh LINUX_DUMP WINDOWS_DUMP.exe
set -euo pipefail
# Say which step failed: ctest shows only what the test printed.
trap 'echo "FAIL: line $LINENO exited with status $?" >&2' ERR
# Let a Wine server that an earlier test left behind finish first.
wineserver -w 2>/dev/null || true
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$1" >"$out/linux"
wine "$2" | tr -d '\r' >"$out/windows"
lines=$(wc -l <"$out/linux")
[ "$lines" -gt 90000 ] || { echo "FAIL: the Linux dump has only $lines lines"; exit 1; }
if ! cmp -s "$out/linux" "$out/windows"; then
  echo "FAIL: conversions differ (Linux <, Windows >):"
  diff "$out/linux" "$out/windows" | head -40
  exit 1
fi
echo "ok: $lines conversions agree"
