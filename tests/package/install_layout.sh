#!/usr/bin/env bash
# `cmake --install` into a scratch prefix: the programs in bin/, the read-only runtime folders
# in share/korvane/ with both language files and no settings, the desktop entry, metainfo,
# icons, manual pages and copyright; the installed panel answers --version from there.
# Usage: install_layout.sh <build dir> <source dir>
set -euo pipefail
build=$1
src=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
data=$prefix/share/korvane
for program in korvane korvane-sim korvane-cli; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program missing"
done
english=$data/APP/ConfigFile/language-English.ini
[ "$(grep -c $'\r$' "$english")" -eq 184 ] || fail "language-English.ini is not 184 CR LF lines"
[ "$(head -1 "$english")" = $'S_OnOff[0]=On\r' ] || fail "language-English.ini: $(head -1 "$english")"
cmp -s "$data/APP/ConfigFile/language-Other.ini" "$src/APP/ConfigFile/language-Other.ini" \
  || fail "language-Other.ini differs from the source tree's"
[ -z "$(find "$prefix" -name config.ini)" ] || fail "a config.ini was installed"
[ "$(ls "$data/APP/ConfigFile")" = $'language-English.ini\nlanguage-Other.ini' ] \
  || fail "APP/ConfigFile holds: $(ls "$data/APP/ConfigFile" | tr '\n' ' ')"
for f in APP/StyleSheet/default.qss TitleBar/StyleSheet/SystemTitle.qss APP/Image/loginui_pic.png \
  APP/Image/MessageShow_pic.png APP/Image/MultiView/SINGLE.png TitleBar/Image/Close.png; do
  [ -s "$data/$f" ] || fail "share/korvane/$f missing"
done
[ -z "$(find "$prefix/bin" -mindepth 1 -not -type f)" ] || fail "bin/ holds more than programs"

share=$prefix/share
grep -qx 'Exec=korvane' "$share/applications/korvane.desktop" || fail "desktop entry"
grep -q '<release version="[0-9.]*"' "$share/metainfo/org.korvane.korvane.metainfo.xml" \
  || fail "metainfo without its release"
for size in 16 24 32 48 64 128 256 512; do
  icon=$share/icons/hicolor/${size}x${size}/apps/korvane.png
  [ "$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')" = "$(printf '%08x%08x' "$size" "$size")" ] \
    || fail "icon ${size}x${size} missing or of another size"
done
grep -q '<svg ' "$share/icons/hicolor/scalable/apps/korvane.svg" || fail "scalable icon"
for page in korvane korvane-sim korvane-cli; do
  gzip -t "$share/man/man1/$page.1.gz" || fail "man page $page"
  zcat "$share/man/man1/$page.1.gz" | grep -q "^\.TH " || fail "man page $page has no title"
done
[ -s "$share/doc/korvane/copyright" ] || fail "copyright missing"

version=$("$prefix/bin/korvane" --version)
[[ $version =~ ^korvane\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "installed --version: $version"
# The command line is a program of its own: it answers without the panel's folders or a display.
cli=$(env -u DISPLAY "$prefix/bin/korvane-cli" --version)
[ "$cli" = "${version/korvane/korvane-cli}" ] || fail "installed korvane-cli --version: $cli"
zcat "$share/man/man1/korvane-cli.1.gz" | grep -q '^\.SH EXIT STATUS' \
  || fail "korvane-cli's man page has no EXIT STATUS section"
echo "PASS"
