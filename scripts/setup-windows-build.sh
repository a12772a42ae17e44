#!/usr/bin/env bash
# Installs the Debian packages the Windows build and its Wine tests need
# (only those missing): the mingw-w64 cross compilers for x64 and x86, Wine,
# a headless X server and the Japanese fonts the page is drawn with.
set -euo pipefail

packages=(
  cmake ninja-build libgtest-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools
  wine wine64
  xvfb xauth
  fonts-noto-cjk
)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
