#!/usr/bin/env bash
# kelvane-info.exe under Wine prints byte for byte what the Linux
# kelvane-info prints, in every output form, for the built-in sample and for
# every corpus file (KELVANE_CORPUS), none left out.
# Usage: cli_matches_linux.sh LINUX WINEXE SESSION_HOLDER.exe
set -euo pipefail
# Say which step failed: ctest shows only what the test printed.
trap 'echo "FAIL: line $LINENO exited with status $?" >&2' ERR
source "$(dirname "$0")/wine_session.sh"
linux="$1"
windows="$2"
out="$(mktemp -d)"
cleanup() {
  wine_session_end || true
  rm -rf "$out"
}
trap cleanup EXIT
wine_session_start "$3" "$out"

files=()
if [ -n "${KELVANE_CORPUS:-}" ] && [ -d "$KELVANE_CORPUS" ]; then
  while IFS= read -r -d '' f; do files+=("$f"); done \
    < <(find "$KELVANE_CORPUS" -maxdepth 1 -type f ! -name '*.md' -print0 | sort -z)
else
  echo "KELVANE_CORPUS is not set: comparing the built-in sample only"
fi
# Every corpus file, JPEG XL's brotli-compressed boxes included: the
# Windows build expands them with the same brotli decoder as Linux.
echo "comparing ${#files[@]} corpus files ($(printf '%s\n' "${files[@]}" | grep -c '\.jxl$' || true) JPEG XL)"
# A name outside every ANSI code page must reach the Windows loader intact.
if [ ${#files[@]} -gt 0 ]; then
  cp "${files[0]}" "$out/写真 Ünïcode.${files[0]##*.}"
  files+=("$out/写真 Ünïcode.${files[0]##*.}")
fi
files+=("$out/missing.jpg")

failed=0
compare() {
  local name="$1"
  shift
  local lstatus=0 wstatus=0
  "$linux" "$@" >"$out/linux.$name" 2>/dev/null || lstatus=$?
  wine "$windows" "$@" >"$out/windows.$name" 2>/dev/null || wstatus=$?
  if ! cmp -s "$out/linux.$name" "$out/windows.$name"; then
    echo "FAIL $name: outputs differ"
    diff "$out/linux.$name" "$out/windows.$name" | head -20 || true
    failed=1
  elif [ "$lstatus" != "$wstatus" ]; then
    echo "FAIL $name: exit status $lstatus on Linux, $wstatus under Wine"
    failed=1
  else
    echo "ok   $name ($(wc -c <"$out/linux.$name") bytes, exit $lstatus)"
  fi
}

compare sample-json --format=json
compare json --format=json "${files[@]}"
compare tree --format=tree "${files[@]}"
compare brief --format=tree --brief --no-iptc --no-pim "${files[@]}"
compare no-xmp --format=tree --no-xmp "${files[@]}"
compare text --format=text "${files[@]}"
compare csv --format=csv "${files[@]}"
compare text-cp932 --format=text --encoding=cp932 "${files[@]}"
compare csv-cp932 --format=csv --encoding=cp932 "${files[@]}"
# A folder with a Unicode name, read recursively: the same files in the same
# order (Windows joins the names with a backslash, which JSON escapes).
if [ ${#files[@]} -gt 1 ]; then
  mkdir -p "$out/フォルダ/sub"
  cp "${files[0]}" "$out/フォルダ/sub/"
  cp "${files[0]}" "$out/フォルダ/写真.${files[0]##*.}"
  "$linux" --format=json --recursive "$out/フォルダ" >"$out/linux.folder" 2>/dev/null || true
  wine "$windows" --format=json --recursive "$out/フォルダ" 2>/dev/null |
    sed 's#\\\\#/#g' >"$out/windows.folder" || true
  if [ "$(grep -c '"file"' "$out/linux.folder")" != 2 ] ||
    ! cmp -s "$out/linux.folder" "$out/windows.folder"; then
    echo "FAIL folder: outputs differ"
    diff "$out/linux.folder" "$out/windows.folder" | head -20 || true
    failed=1
  else
    echo "ok   folder ($(wc -c <"$out/linux.folder") bytes)"
  fi
fi
wine_session_end
exit $failed
