#!/usr/bin/env bash
# Installs the Debian packages the Windows build and its Wine tests need
# (only those missing): the mingw-w64 cross compilers for x64 and x86, Wine,
# a headless X server and the Japanese fonts the page is drawn with; the
# English and Japanese locales the page is tried in under Wine; Debian's
# mingw zlib (PNG's compressed texts); and msitools' wixl and msibuild (the
# MSIs). XMP packets are parsed with XmlLite, which Windows (and Wine) ship,
# so nothing is installed for them.
#
# Where Debian's i386 architecture can be added, 32-bit Wine (wine32:i386)
# too, so that the x86 modules run in a 32-bit prefix; elsewhere the x86
# tests are skipped, and said so.
#
# brotli's decoder (JPEG XL's "brob" boxes) is built here for mingw, x64
# and x86, from Debian's source package, as static libraries in
# /opt/kelvane-mingw-brotli/<target>/ (the toolchain files look there).
set -euo pipefail

"$(dirname "$0")/setup-debian.sh" \
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools libz-mingw-w64-dev \
  wine wine64 \
  xvfb xauth \
  fonts-noto-cjk \
  locales \
  wixl msitools dpkg-dev

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
for locale in en_US ja_JP; do
  if ! locale -a 2>/dev/null | grep -qix "$locale.utf-\?8"; then
    echo "Generating the locale $locale.UTF-8"
    $SUDO localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
  fi
done

# 32-bit Wine: Debian's i386 architecture and wine32:i386.
if ! dpkg -s wine32:i386 >/dev/null 2>&1; then
  if ! dpkg --print-foreign-architectures | grep -qx i386 &&
    ! $SUDO dpkg --add-architecture i386 2>/dev/null; then
    echo "The i386 architecture cannot be added here: no 32-bit Wine, the x86 tests will be skipped"
  else
    echo "Installing: wine32:i386"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends wine32:i386 ||
      echo "wine32:i386 could not be installed: the x86 tests will be skipped"
  fi
fi

# brotli's decoder for mingw, from Debian's source package (the bookworm
# main suite's: the security suite's sources are not served), compiled with
# each cross compiler: the common and decoder sources only, static.
brotli_version=1.0.9-2
brotli_root=/opt/kelvane-mingw-brotli
brotli_stamp="$brotli_root/$brotli_version"
if [ ! -f "$brotli_stamp" ]; then
  echo "Building brotli $brotli_version's decoder for mingw in $brotli_root"
  sources_list=/etc/apt/sources.list.d/kelvane-bookworm-src.sources
  if ! apt-cache showsrc --only-source brotli 2>/dev/null | grep -qx "Version: $brotli_version"; then
    $SUDO tee "$sources_list" >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    $SUDO apt-get update -qq
  fi
  work="$(mktemp -d)"
  (cd "$work" && apt-get source -qq --only-source "brotli=$brotli_version" >/dev/null 2>&1) ||
    { echo "apt-get source brotli=$brotli_version failed" >&2; rm -rf "$work"; exit 1; }
  src="$(ls -d "$work"/brotli-*/)"
  for target in x86_64-w64-mingw32 i686-w64-mingw32; do
    out="$work/$target"
    mkdir -p "$out"
    for library in common dec; do
      for c in "$src/c/$library"/*.c; do
        "$target-gcc" -O2 -I"$src/c/include" -c "$c" -o "$out/$library-$(basename "$c" .c).o"
      done
      "$target-ar" rcs "$out/libbrotli$library.a" "$out/$library"-*.o
    done
    $SUDO mkdir -p "$brotli_root/$target/lib" "$brotli_root/$target/include"
    $SUDO cp "$out/libbrotlicommon.a" "$out/libbrotlidec.a" "$brotli_root/$target/lib/"
    $SUDO cp -r "$src/c/include/brotli" "$brotli_root/$target/include/"
  done
  $SUDO cp "$src/LICENSE" "$brotli_root/LICENSE"
  rm -rf "$work"
  $SUDO touch "$brotli_stamp"
fi
