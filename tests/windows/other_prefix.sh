# Sourced by the Wine test scripts that run the page in a Wine prefix of
# their own: a fresh prefix beside the build's, as an English Windows is
# set up: an English locale, no font substitutes, and the system's link from
# its user-interface font to a Japanese font (Windows links Segoe UI and
# Tahoma to Meiryo, Yu Gothic or MS UI Gothic; Wine's interface font is
# Tahoma, and the Japanese font here is Noto Sans CJK JP).
#
#   other_prefix_start NAME   (WINEPREFIX becomes BUILD/wineprefix-NAME)

other_prefix_start() {
  local name="$1" build
  build="$(dirname "$WINEPREFIX")"
  # The build's own prefix's server stops first; this one is ours alone.
  wineserver -w || true
  export WINEPREFIX="$build/wineprefix-$name"
  export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v Tahoma /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK JP' /f >/dev/null 2>&1
  if wine reg query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' 2>/dev/null |
    grep -qi 'noto\|gothic'; then
    echo "FAIL: the fresh prefix substitutes a Japanese font" >&2
    return 1
  fi
  wineserver -w
}
