#!/usr/bin/env bash
# The Debian package as a user meets it: cpack makes the .deb from the build tree, lintian and
# the desktop, AppStream and manual page checkers read it, apt installs it, `korvane --version`
# and `korvane-cli --version` answer, the panel starts on a virtual screen as an ordinary user
# (nobody), logs in with the default password and quits, its settings are found in that
# user's ~/.config/korvane, apt purges the package and the settings stay.
# Usage: package_check.sh <build dir> [sanitizers]
# Exits 77 (ctest: skipped) where it cannot run: not root, a tool missing, a sanitizer build,
# or korvane already installed on this machine (it is never touched then).
set -euo pipefail
build=$1
sanitize=${2:-}

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "--- $*"; }

[ -z "$sanitize" ] || skip "a sanitizer build is not packaged"
[ "${KORVANE_PACKAGE_CHECK:-1}" != 0 ] || skip "KORVANE_PACKAGE_CHECK=0"
[ "$(id -u)" -eq 0 ] || skip "installing the package with apt needs root"
for tool in cpack apt-get dpkg-shlibdeps lintian desktop-file-validate appstreamcli man \
  xvfb-run xdotool setpriv flock; do
  command -v "$tool" >/dev/null || skip "$tool is missing (scripts/setup test installs it)"
done
getent passwd nobody >/dev/null || skip "there is no user nobody to run the panel as"

# One check at a time on a machine: it installs and removes the one system-wide package.
exec 9>/var/lock/korvane-package-check.lock
flock -w 900 9 || skip "another package check kept the lock for 15 minutes"
if dpkg -s korvane >/dev/null 2>&1; then
  skip "korvane is installed on this machine already; it is left alone"
fi

work=$(mktemp -d /tmp/korvane-package-check.XXXXXX)
installed=0
cleanup() {
  if [ $installed -eq 1 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq korvane >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
home=$work/home
mkdir -p "$home"
chown nobody:nogroup "$home"
as_user() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8 "$@"
}

step "cpack: the .deb from $build"
(cd "$build" && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) \
  || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/deb/korvane_*.deb)
chmod 644 "$deb"
chmod 755 "$work/deb"
echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"

step "lintian"
as_user lintian --no-cfg --display-info "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
! grep -q '^E: ' "$work/lintian.log" || fail "lintian reports errors"

step "desktop entry, AppStream metainfo, manual pages"
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/korvane.desktop"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
for page in "$work"/root/usr/share/man/man1/*.1.gz; do
  LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" \
    >/dev/null 2>"$work/man.err"
  [ ! -s "$work/man.err" ] || { cat "$work/man.err"; fail "$(basename "$page") has faults"; }
  echo "$(basename "$page"): ok"
done

step "apt install $(basename "$deb")"
installed=1
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  -o DPkg::Lock::Timeout=300 "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt install"; }
for program in korvane korvane-sim korvane-cli; do
  [ "$(command -v $program)" = /usr/bin/$program ] || fail "$program is not on the PATH"
done
version=$(korvane --version)
echo "korvane --version: $version"
[[ $version =~ ^korvane\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "unexpected version line"
echo "korvane-sim --version: $(korvane-sim --version)"
cli=$(as_user korvane-cli --version)
echo "korvane-cli --version: $cli"
[ "$cli" = "${version/korvane/korvane-cli}" ] || fail "korvane-cli answers another version"
as_user korvane-cli scene --help | grep -q '^usage: korvane-cli LINK scene save' || fail "korvane-cli scene --help"

step "the panel as nobody on a virtual screen: log in, quit"
cat >"$work/session.sh" <<'SESSION'
set -u
korvane >"$HOME/panel.out" 2>"$HOME/panel.err" &
panel=$!
visible() { xdotool search --onlyvisible --classname korvane 2>/dev/null; }
wide() {
  local id
  for id in $(visible); do
    [ "$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')" -ge 600 ] \
      && return 0
  done
  return 1
}
for _ in $(seq 1 300); do [ -n "$(visible)" ] && break; sleep 0.1; done
login=$(visible | head -1)
[ -n "$login" ] || { echo "no login dialog"; kill $panel; exit 1; }
echo "login dialog shown"
xdotool windowfocus --sync "$login"
# Focus starts on the language box; the password field is two tabs on.
xdotool key --delay 50 Tab Tab
xdotool type --delay 50 428613
xdotool key Return
for _ in $(seq 1 300); do wide && break; sleep 0.1; done
wide || { echo "no main window after the login"; kill $panel; exit 1; }
echo "main window shown after the login"
kill -TERM $panel
wait $panel
echo "panel exit status $?"
SESSION
as_user xvfb-run -a -s "-screen 0 1600x1000x24" bash "$work/session.sh" | tee "$work/session.log"
grep -q '^panel exit status 0$' "$work/session.log" || fail "the panel did not end cleanly"
if [ -s "$home/panel.err" ]; then
  cat "$home/panel.err"
  fail "the panel printed warnings"
fi
echo "no warnings on standard error"

step "settings in the per-user folder"
settings=$home/.config/korvane/APP/ConfigFile
ls -l "$settings" | sed 1d
[ "$(grep -c $'\r$' "$settings/config.ini")" -eq 18 ] || fail "config.ini is not 18 CR LF lines"
grep -q '^Key_LanguageIsEnglish=1'$'\r''$' "$settings/config.ini" || fail "config.ini content"
[ -s "$settings/language-Other.ini" ] || fail "language-Other.ini was not seeded"
[ "$(stat -c %U "$settings/config.ini")" = nobody ] || fail "config.ini is not the user's"
# korvane-cli keeps the names where the installed panel reads them.
as_user korvane-cli set input.2.name Lectern || fail "korvane-cli set input.2.name"
grep -q '^S_InputSource_Name\[1\]=Lectern'$'\r''$' "$settings/language-English.ini" \
  || fail "korvane-cli did not save the name in the user's language file"
[ "$(as_user korvane-cli get input.2.name)" = Lectern ] || fail "korvane-cli get input.2.name"
echo "korvane-cli keeps the names in the user's folder"
dpkg --verify korvane || fail "installed files were changed"
echo "installed files unchanged (dpkg --verify)"

step "apt purge korvane"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq -o DPkg::Lock::Timeout=300 korvane \
  >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt purge"; }
installed=0
for left in /usr/bin/korvane /usr/bin/korvane-cli /usr/share/korvane; do
  [ ! -e "$left" ] || fail "$left left after purge"
done
[ -f "$settings/config.ini" ] || fail "the user's settings went with the package"
echo "the user's settings stay: $(ls "$settings" | tr '\n' ' ')"
echo "PASS"
