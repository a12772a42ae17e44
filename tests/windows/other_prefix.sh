# Sourced by the Wine test scripts that run the page in a Wine prefix of
# their own, as a fresh Windows install of a locale is set up:
#
#   other_prefix_start NAME LOCALE   (WINEPREFIX becomes BUILD/wineprefix-NAME)
#
# LOCALE is en_US or ja_JP. Neither prefix has a font substitute of ours.
# An English Windows links its user-interface font (Segoe UI, Tahoma) to a
# Japanese font; so does the English prefix: Wine's interface font Tahoma
# to Noto Sans CJK JP, the Japanese font here. Wine sets up its Japanese
# locale by itself.

other_prefix_start() {
  local name="$1" locale="$2" build
  build="$(dirname "$WINEPREFIX")"
  # The build's own prefix's server stops first; this one is ours alone.
  wineserver -w || true
  export WINEPREFIX="$build/wineprefix-$name"
  export LANG="$locale.UTF-8" LC_ALL="$locale.UTF-8"
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  if [ "$locale" = en_US ]; then
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v Tahoma /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK JP' /f >/dev/null 2>&1
  fi
  # No window manager runs on the headless X server: Wine draws the windows'
  # captions itself, so that the screenshots show them.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  # Only what Windows itself substitutes (a Japanese Windows: MS Shell Dlg
  # by MS UI Gothic); nothing stands in for a missing font with ours.
  if wine reg query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' 2>/dev/null |
    grep -qi 'noto'; then
    echo "FAIL: the fresh prefix substitutes the Japanese font" >&2
    return 1
  fi
  wineserver -w
}
