#!/usr/bin/env bash
# The page at 96, 120, 144 and 192 DPI (100 % to 200 %), in a Wine prefix of
# its own (tests/windows/other_prefix.sh): its layout follows the DPI and no
# horizontal scroll bar shows; screenshots named page-<percent>dpi-*.png.
# Usage: page_at_dpi.sh SESSION_HOLDER.exe TESTS.exe
set -euo pipefail
trap 'echo "FAIL: line $LINENO exited with status $?" >&2' ERR
source "$(dirname "$0")/other_prefix.sh"
other_prefix_start dpi en_US
for dpi in 96 120 144 192; do
  echo "== $dpi DPI"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -w
  KELVANE_EXPECT_DPI="$dpi" bash "$(dirname "$0")/gtest_under_wine.sh" "$1" "$2" \
    --gtest_filter='Page.LayoutFollowsTheDpi*:Page.TheAboutBox*:AboutLayout.*'
done
