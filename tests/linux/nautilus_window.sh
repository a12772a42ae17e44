#!/usr/bin/env bash
# Nautilus itself shows the Kelvane section: on Xvfb, in a session bus of
# its own, Nautilus loads the built module, opens the Properties dialog of
# corpus files through org.freedesktop.FileManager1.ShowItemProperties,
# and the test opens the "Kelvane" row (found on the accessibility bus,
# clicked with xdotool) and saves screenshots to ARTIFACTS/nautilus-*.png.
#
# Nautilus loads modules only from its compiled-in extension folder (no
# variable names another), so the test runs in a mount namespace of its
# own where a scratch folder holding the system's modules and ours is
# bound over that folder: the machine's folder is never changed.
#
#   tests/linux/nautilus_window.sh MODULE SCHEMA_DIR ARTIFACTS
# Exit 77 (skipped, with the reason) when something it needs is missing.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
skip() { echo "NautilusWindow: skipped: $*"; exit 77; }
fail() { echo "NautilusWindow: $*" >&2; exit 1; }

# The files shown.
files=(Canon.jpg iPhone7.heic CanonRaw.cr3 PhoneUdta.mp4 PNGExif.png)

if [ "${1:-}" != --inside ]; then
  module="$1" schemas="$2" artifacts="$3"
  for tool in nautilus Xvfb dbus-run-session gdbus xdotool import unshare pkg-config; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
  done
  /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    skip "python3-gi and gir1.2-atspi-2.0 are not installed"
  corpus="${KELVANE_CORPUS:-}"
  [ -n "$corpus" ] && [ -d "$corpus" ] || skip "no corpus (KELVANE_CORPUS)"
  extdir="$(pkg-config --variable=extensiondir libnautilus-extension-4)"
  [ -d "$extdir" ] || skip "no Nautilus extension folder $extdir"
  unshare --mount --propagation private true 2>/dev/null ||
    skip "a private mount namespace cannot be made here (it needs root)"
  scratch="$(mktemp -d)"
  trap 'rm -rf "$scratch"' EXIT
  mkdir -p "$scratch/extensions" "$artifacts"
  cp "$extdir"/*.so "$scratch/extensions/" 2>/dev/null || true
  cp "$module" "$scratch/extensions/"
  rm -f "$artifacts"/nautilus-*.png
  unshare --mount --propagation private "$0" --inside "$scratch" "$extdir" "$schemas" \
    "$artifacts" "$corpus"
  exit $?
fi

# --- inside the namespace ---
scratch="$2" extdir="$3" schemas="$4" artifacts="$5" corpus="$6"
mount --bind "$scratch/extensions" "$extdir"
ls "$extdir" | grep -q '^libkelvane-nautilus\.so$' || fail "the module is not in $extdir"

# A home, settings and caches of the test's own.
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config"
export XDG_CACHE_HOME="$scratch/home/.cache" XDG_DATA_HOME="$scratch/home/.local/share"
export XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export GSETTINGS_SCHEMA_DIR="$schemas" GSETTINGS_BACKEND=memory
export LANG=C.UTF-8 NO_AT_BRIDGE=0 GTK_A11Y=atspi

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
export DISPLAY=":$(cat "$scratch/display")"

cat > "$scratch/session.sh" <<'SESSION'
set -euo pipefail
read -ra files <<<"$files"
fail() { echo "NautilusWindow: $*" >&2; exit 1; }
trap 'echo "NautilusWindow: failed: $BASH_COMMAND" >&2' ERR
has_name() {
  gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true
}
# Waits (up to a minute: the machine may be busy) until the accessible
# NAME shows; prints its rectangle.
wait_for() {
  local deadline=$((SECONDS + 60))
  while [ $SECONDS -lt $deadline ]; do
    if rect="$("$here/atspi_find.py" "$1")"; then echo "$rect"; return 0; fi
    sleep 0.2
  done
  return 1
}
nautilus --gapplication-service >"$scratch/nautilus.log" 2>&1 &
for _ in $(seq 100); do has_name org.freedesktop.FileManager1 && break; sleep 0.2; done
has_name org.freedesktop.FileManager1 || fail "Nautilus did not take org.freedesktop.FileManager1"
for file in "${files[@]}"; do
  stem="${file%.*}"
  uri="file://$corpus/$file"
  gdbus call --session --dest org.freedesktop.FileManager1 --object-path /org/freedesktop/FileManager1 \
    --method org.freedesktop.FileManager1.ShowItemProperties "['$uri']" "" >/dev/null
  rect="$(wait_for Kelvane)" || fail "$file: the dialog shows no Kelvane row"
  import -window root "$artifacts/nautilus-$stem-dialog.png"
  read -r x y w h <<<"$rect"
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
  # The section's items: a heading of the file's rows (a movie has no
  # メイン情報 group).
  case "$file" in *.mp4) heading="【MP4 Movie】" ;; *) heading="【メイン情報】" ;; esac
  wait_for "$heading" >/dev/null || fail "$file: the Kelvane section shows no $heading"
  sleep 0.5
  import -window root "$artifacts/nautilus-$stem-section.png"
  # Closes the dialog: the one window named Properties.
  for w in $(xdotool search --name '^Properties$' 2>/dev/null); do xdotool windowclose "$w" || true; done
  sleep 0.5
  echo "NautilusWindow: $file shown (${SECONDS}s)"
done
echo "NautilusWindow: the Kelvane section shown for ${files[*]}; screenshots in $artifacts"
SESSION
here="$here" scratch="$scratch" artifacts="$artifacts" corpus="$corpus" files="${files[*]}" \
  dbus-run-session -- bash "$scratch/session.sh" ||
  { echo "--- nautilus log"; tail -20 "$scratch/nautilus.log" 2>/dev/null; exit 1; }
