#!/usr/bin/env bash
# Installs the Debian packages the Windows build and its Wine tests need
# (only those missing): the mingw-w64 cross compilers for x64 and x86, Wine,
# a headless X server, the Japanese fonts the page is drawn with, and
# Debian's mingw zlib (PNG's compressed texts).
set -euo pipefail

exec "$(dirname "$0")/setup-debian.sh" \
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools libz-mingw-w64-dev \
  wine wine64 \
  xvfb xauth \
  fonts-noto-cjk
