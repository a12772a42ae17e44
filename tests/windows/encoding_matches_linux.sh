#!/usr/bin/env bash
# The CP932 conversions print the same on Linux and under Wine.
# Usage: encoding_matches_linux.sh LINUX_DUMP WINDOWS_DUMP.exe SESSION_HOLDER.exe
set -euo pipefail
# Say which step failed: ctest shows only what the test printed.
trap 'echo "FAIL: line $LINENO exited with status $?" >&2' ERR
source "$(dirname "$0")/wine_session.sh"
out="$(mktemp -d)"
cleanup() {
  wine_session_end || true
  rm -rf "$out"
}
trap cleanup EXIT
wine_session_start "$3" "$out"
"$1" >"$out/linux"
wine "$2" | tr -d '\r' >"$out/windows"
wine_session_end
lines=$(wc -l <"$out/linux")
[ "$lines" -gt 90000 ] || { echo "FAIL: the Linux dump has only $lines lines"; exit 1; }
if ! cmp -s "$out/linux" "$out/windows"; then
  echo "FAIL: conversions differ (Linux <, Windows >):"
  diff "$out/linux" "$out/windows" | head -40
  exit 1
fi
echo "ok: $lines conversions agree"
