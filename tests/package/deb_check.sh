#!/usr/bin/env bash
# Checks a built .deb, unpacked into a scratch root. kelvane-info: its
# control fields, the program and its man page, and that the unpacked
# program runs (its version, the built-in sample, and a corpus photo when
# KELVANE_CORPUS names one). kelvane-nautilus: its control fields, the
# module in Nautilus's extension folder showing Nautilus its entry points
# (and nothing else), its libraries resolved, and the settings' schema.
#
#   tests/package/deb_check.sh dist/kelvane-info_VERSION_ARCH.deb
#   tests/package/deb_check.sh dist/kelvane-nautilus_VERSION_ARCH.deb
set -euo pipefail
deb="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "deb_check: $*" >&2; exit 1; }

package="$(dpkg-deb -f "$deb" Package)"
version="$(dpkg-deb -f "$deb" Version)"
depends="$(dpkg-deb -f "$deb" Depends)"

if [ "$package" = kelvane-nautilus ]; then
  for lib in libc6 libstdc++6 libglib2.0-0 libnautilus-extension4 'nautilus (>= '; do
    case "$depends" in *"$lib"*) ;; *) fail "Depends lacks $lib: $depends" ;; esac
  done
  dpkg-deb -x "$deb" "$scratch"
  modules="$(find "$scratch/usr/lib" -path '*/nautilus/extensions-4/*.so')"
  [ "$(basename "$modules")" = libkelvane-nautilus.so ] || fail "no module in nautilus/extensions-4: $modules"
  if command -v pkg-config >/dev/null && pkg-config --exists libnautilus-extension-4; then
    folder="$(pkg-config --variable=extensiondir libnautilus-extension-4)"
    [ -f "$scratch$folder/libkelvane-nautilus.so" ] || fail "the module is not in $folder"
  fi
  exported="$(nm -D --defined-only "$modules" | awk '$2 == "T" {print $3}' | sort | tr '\n' ' ')"
  [ "$exported" = "nautilus_module_initialize nautilus_module_list_types nautilus_module_shutdown " ] ||
    fail "the module exports: $exported"
  # Every library the module needs is found, every symbol resolved.
  if ldd -r "$modules" 2>&1 | grep -E 'not found|undefined symbol'; then
    fail "the module does not load"
  fi
  schema="$scratch/usr/share/glib-2.0/schemas/org.tarnwell.Kelvane.gschema.xml"
  [ -f "$schema" ] || fail "no settings schema"
  if command -v glib-compile-schemas >/dev/null; then
    glib-compile-schemas --strict --dry-run "$(dirname "$schema")" || fail "the schema does not compile"
  fi
  echo "deb_check: $deb ($version) unpacks; the module exports its entry points and loads"
  exit 0
fi

[ "$package" = kelvane-info ] || fail "package name $package"
for lib in libc6 libstdc++6 zlib1g libbrotli1; do
  case "$depends" in *"$lib"*) ;; *) fail "Depends lacks $lib: $depends" ;; esac
done

dpkg-deb -x "$deb" "$scratch"
program="$scratch/usr/bin/kelvane-info"
[ -x "$program" ] || fail "no usr/bin/kelvane-info"
[ -s "$scratch/usr/share/man/man1/kelvane-info.1.gz" ] || fail "no man page"
zcat "$scratch/usr/share/man/man1/kelvane-info.1.gz" | grep -q '^\.TH KELVANE-INFO 1' || fail "man page header"

[ "$("$program" --version)" = "kelvane-info $version" ] || fail "--version is not $version"
"$program" --format=json > "$scratch/sample.json" || fail "the built-in sample"
grep -q '"rows"' "$scratch/sample.json" || fail "the sample has no rows"
if [ -n "${KELVANE_CORPUS:-}" ] && [ -f "$KELVANE_CORPUS/Canon.jpg" ]; then
  "$program" "$KELVANE_CORPUS/Canon.jpg" > "$scratch/canon.txt" || fail "a corpus photo"
  grep -q 'Canon' "$scratch/canon.txt" || fail "the corpus photo shows no maker"
fi
echo "deb_check: $deb ($version) unpacks and runs"
