#!/usr/bin/env bash
# The page in an English-locale Wine prefix with no font substitutes
# (tests/windows/other_prefix.sh): Latin and Japanese text both readable,
# with screenshots named page-en-locale-*.png.
# Usage: page_in_locale.sh SESSION_HOLDER.exe TESTS.exe
set -euo pipefail
trap 'echo "FAIL: line $LINENO exited with status $?" >&2' ERR
source "$(dirname "$0")/other_prefix.sh"
other_prefix_start en-locale
export KELVANE_LOCALE_NAME=en-locale
bash "$(dirname "$0")/gtest_under_wine.sh" "$1" "$2" \
  --gtest_filter='Page.LatinAndJapanese*:Page.TheAboutBox*:Page.TheMenuKey*'
