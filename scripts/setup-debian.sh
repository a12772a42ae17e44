#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only those
# missing), so that a fresh machine with nothing but apt can build Kelvane.
# Other scripts name the further packages they need as arguments.
set -euo pipefail

packages=(cmake ninja-build g++ make pkg-config libgtest-dev libjpeg-dev zlib1g-dev libbrotli-dev libexpat1-dev "$@")
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
