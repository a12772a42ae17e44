#!/usr/bin/env bash
# Installs what the Nautilus section needs beside the build's own packages
# (only those missing): the extension API to build the module, and for the
# real-window test Nautilus itself, Xvfb, a session bus, xdotool,
# ImageMagick's import for the screenshots, the accessibility bus read from
# Python, and Japanese fonts.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
exec "$root/scripts/setup-debian.sh" \
  libnautilus-extension-dev libglib2.0-bin \
  nautilus xvfb xauth dbus dbus-x11 xdotool imagemagick fonts-noto-cjk \
  at-spi2-core python3-gi gir1.2-atspi-2.0 "$@"
