#!/usr/bin/env bash
# The page in an English-locale and a Japanese-locale Wine prefix with no
# font substitutes (tests/windows/other_prefix.sh): Latin and Japanese text
# both readable, the about box and the keyboard menu as elsewhere, with
# screenshots named page-en-locale-*.png and page-ja-locale-*.png.
# Usage: page_in_locale.sh SESSION_HOLDER.exe TESTS.exe
set -euo pipefail
trap 'echo "FAIL: line $LINENO exited with status $?" >&2' ERR
source "$(dirname "$0")/other_prefix.sh"
for locale in en_US ja_JP; do
  name="$(echo "${locale%_*}" | tr A-Z a-z)-locale"
  echo "== $locale"
  other_prefix_start "$name" "$locale"
  KELVANE_LOCALE_NAME="$name" bash "$(dirname "$0")/gtest_under_wine.sh" "$1" "$2" \
    --gtest_filter='Page.LatinAndJapanese*:Page.TheAboutBox*:Page.TheMenuKey*:Page.SaveThumbnailAsks*'
done
