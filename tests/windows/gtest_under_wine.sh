#!/usr/bin/env bash
# Runs a GoogleTest program under Wine in a Wine session of its own and
# passes only when the program ran to its end: a program whose Wine server
# goes away under it is ended with exit status 0 by Wine, so the status
# alone would let a cut-short run pass. The run must write its XML report
# (GoogleTest writes it after the last test).
# Usage: gtest_under_wine.sh SESSION_HOLDER.exe TESTS.exe [GTEST OPTIONS...]
set -euo pipefail
# Say which step failed: ctest shows only what the test printed.
trap 'echo "FAIL: line $LINENO exited with status $?" >&2' ERR
holder="$1"
tests="$2"
shift 2
source "$(dirname "$0")/wine_session.sh"
work="$(mktemp -d)"
cleanup() {
  wine_session_end || true
  rm -rf "$work"
}
trap cleanup EXIT
wine_session_start "$holder" "$work"

status=0
(cd "$work" && wine "$tests" --gtest_output=xml:report.xml "$@") || status=$?
wine_session_end
if [ "$status" != 0 ]; then
  echo "FAIL: $(basename "$tests") exited with status $status"
  exit 1
fi
if [ ! -s "$work/report.xml" ] || ! grep -q '</testsuites>' "$work/report.xml"; then
  echo "FAIL: $(basename "$tests") was cut short before its last test (no complete" \
    "report), e.g. because its Wine server went away"
  exit 1
fi
