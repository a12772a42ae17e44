#!/usr/bin/env bash
# Checks a built kelvane-info .deb: its control fields, that it unpacks into
# a scratch root with the program and its man page, and that the unpacked
# program runs (its version, the built-in sample, and a corpus photo when
# KELVANE_CORPUS names one).
#
#   tests/package/deb_check.sh dist/kelvane-info_VERSION_ARCH.deb
set -euo pipefail
deb="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "deb_check: $*" >&2; exit 1; }

[ "$(dpkg-deb -f "$deb" Package)" = kelvane-info ] || fail "package name"
version="$(dpkg-deb -f "$deb" Version)"
depends="$(dpkg-deb -f "$deb" Depends)"
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
