#!/usr/bin/env bash
# Installs the build into a temporary folder and packs it: the folder holds the program (the same
# file as built, version block included), a valid desktop entry naming it by its full path, and the
# icon; the .tar.gz holds the same three files under /opt/VEXA-TOLM.
# Usage: install_test.sh <build-dir>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/program folder"
cmake --install "$build" --prefix "$prefix" >/dev/null
program=$prefix/bin/VEXA-TOLM
[ -x "$program" ] || fail "no program at $program"
cmp -s "$program" "$build/VEXA-TOLM" || fail "the installed program differs from the built one"
objdump -h "$program" | grep -q '\.vexa_version' || fail "the installed program has no version block"
icon=$prefix/share/icons/hicolor/scalable/apps/vexa-tolm.svg
[ -s "$icon" ] || fail "no icon at $icon"
desktop=$prefix/share/applications/vexa-tolm.desktop
[ -f "$desktop" ] || fail "no desktop entry at $desktop"
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
grep -qxF "Exec=\"$program\"" "$desktop" || fail "the desktop entry does not start $program"
grep -qx 'Icon=vexa-tolm' "$desktop" || fail "the desktop entry names another icon"

(cd "$build" && cpack -B "$work/package" >/dev/null)
archive=$(ls "$work"/package/VEXA-TOLM-*.tar.gz)
listing=$(tar tzf "$archive")
for f in opt/VEXA-TOLM/bin/VEXA-TOLM opt/VEXA-TOLM/share/applications/vexa-tolm.desktop \
         opt/VEXA-TOLM/share/icons/hicolor/scalable/apps/vexa-tolm.svg; do
  grep -qx "$f" <<<"$listing" || fail "$f is not in $(basename "$archive")"
done
tar xzf "$archive" -C "$work" opt/VEXA-TOLM/share/applications/vexa-tolm.desktop
grep -qxF 'Exec="/opt/VEXA-TOLM/bin/VEXA-TOLM"' "$work/opt/VEXA-TOLM/share/applications/vexa-tolm.desktop" ||
  fail "the packed desktop entry does not start /opt/VEXA-TOLM/bin/VEXA-TOLM"
echo "install and package: ok"
