#!/usr/bin/env bash
# Installs the Debian packages the Windows build and its Wine tests need
# (only those missing): the mingw-w64 cross compilers for x64 and x86, Wine,
# a headless X server and the Japanese fonts the page is drawn with; the
# English and Japanese locales the page is tried in under Wine; Debian's
# mingw zlib (PNG's compressed texts); and msitools' wixl and msibuild (the
# MSIs). XMP packets are parsed with XmlLite, which Windows (and Wine) ship,
# so nothing is installed for them.
set -euo pipefail

"$(dirname "$0")/setup-debian.sh" \
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools libz-mingw-w64-dev \
  wine wine64 \
  xvfb xauth \
  fonts-noto-cjk \
  locales \
  wixl msitools

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
for locale in en_US ja_JP; do
  if ! locale -a 2>/dev/null | grep -qix "$locale.utf-\?8"; then
    echo "Generating the locale $locale.UTF-8"
    $SUDO localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
  fi
done
