#!/usr/bin/env bash
# scripts/run with the simulator: the demo folder and its config.ini, a panel (played by a
# small script) that reaches the simulator over TCP and the serial symlink, the operator's
# own config.ini left alone, and the simulator stopped when the panel exits.
# Usage: run_script_test.sh <source dir> <korvane-sim executable>
set -euo pipefail
src=$1
sim_exe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

build=$work/build
mkdir -p "$build/APP/ConfigFile" "$build/APP/StyleSheet" "$build/TitleBar/Image"
ln -s "$sim_exe" "$build/korvane-sim"
printf 'operator settings\r\n' >"$build/APP/ConfigFile/config.ini"
printf 'texts\r\n' >"$build/APP/ConfigFile/language-Other.ini"
printf 'style\n' >"$build/APP/StyleSheet/default.qss"

# The stand-in panel: reads its config.ini like the panel does, asks the model over TCP and
# over the serial line, and reports what it saw.
cat >"$work/panel" <<'PANEL'
#!/usr/bin/env bash
dir=$(dirname "$0")
value() { sed -n "s/^$1=\(.*\)\r\$/\1/p" "$dir/APP/ConfigFile/config.ini"; }
exec 3<>"/dev/tcp/$(value SP_RemoteIp)/$(value SP_RemotePort)"
printf 'GET MODEL TYPE\r' >&3
IFS= read -r -t 5 -d $'\r' tcp <&3
exec 4<>"$(value SP_Name)"
printf 'GET MODEL TYPE\r' >&4
# Not bash's read here: on a terminal it switches the line to turn CR into LF.
serial=$(timeout 5 head -c 18 <&4 | tr '\r' '#')
printf '%s|%s|%s\n' "$tcp" "$serial" "$(value Key_UI_Login)" >"$dir/panel-saw"
[ -f "$dir/TitleBar/Image/../../APP/StyleSheet/default.qss" ] || exit 7
exit 3
PANEL
chmod +x "$work/panel"

run() {
  KORVANE_RUN_SKIP_BUILD=1 KORVANE_BUILD_DIR=$build KORVANE_SIM_PORT=0 DISPLAY=:test \
    "$src/scripts/run" "$@"
}

# 1. Simulator beside the panel; the panel's exit status comes back.
status=0
KORVANE_PANEL=$work/panel run --sim --model Marlet >"$work/out" 2>&1 || status=$?
[ $status -eq 3 ] || { cat "$work/out"; fail "exit status $status, expected the panel's 3"; }
[ "$(cat "$build/demo/panel-saw")" = "MODEL TYPE Marlet|MODEL TYPE Marlet#|1" ] \
  || fail "panel saw: $(cat "$build/demo/panel-saw")"

config=$build/demo/APP/ConfigFile/config.ini
[ "$(wc -l <"$config")" -eq 18 ] || fail "config.ini has not 18 lines"
[ "$(grep -c $'\r$' "$config")" -eq 18 ] || fail "config.ini lines do not end in CR LF"
port=$(sed -n 's/^korvane-sim: tcp 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$build/demo/sim.out")
expected="Key_LanguageIsEnglish=1 Key_UI_Login=1 Key_UI_Output=1 Key_UI_Multiview=1
Key_UI_Audio=1 Key_UI_System=1 Spassword_Admin=428613 Spassword_User=428613
SP_Name=$build/demo/ttyKORVANE SP_BaudRate=9600 SP_DataBit=8 SP_Parity=0 SP_StopBit=1
SP_FlowControl=0 SP_RemoteIp=127.0.0.1 SP_RemotePort=$port SP_RemoteSubmask=255.255.255.0
SP_RemoteGateway=192.168.0.1"
[ "$(tr -d '\r' <"$config" | tr '\n' ' ')" = "$(echo $expected) " ] \
  || fail "config.ini: $(tr -d '\r' <"$config" | tr '\n' ' ')"
[ "$(cat "$build/APP/ConfigFile/config.ini")" = $'operator settings\r' ] \
  || fail "the operator's config.ini was changed"
[ -f "$build/demo/APP/ConfigFile/language-Other.ini" ] || fail "texts not copied"

# The simulator was stopped cleanly: its log says so and the symlink is gone.
grep -q ' EV stopped$' "$build/demo/sim.log" || fail "simulator not stopped"
[ ! -L "$build/demo/ttyKORVANE" ] || fail "pty symlink left behind"
grep -q ' RX GET MODEL TYPE$' "$build/demo/sim.log" || fail "no command in the wire log"

# 2. Settings the demo changed survive the next run; the link settings are set again.
sed -i 's/^Key_LanguageIsEnglish=1/Key_LanguageIsEnglish=0/; s/^SP_RemotePort=.*/SP_RemotePort=1\r/' \
  "$config"
KORVANE_PANEL=$work/panel run --sim >/dev/null 2>&1 || true
head -1 "$config" | grep -q '^Key_LanguageIsEnglish=0'$'\r''$' || fail "demo setting lost"
grep -q '^SP_RemotePort=1'$'\r''$' "$config" && fail "port not pointed at the simulator"

# 3. No panel built: a clear message, exit 1, no simulator started.
rm -f "$build/demo/sim.out"
status=0
KORVANE_PANEL=$work/missing run --sim >"$work/out" 2>&1 || status=$?
[ $status -eq 1 ] || fail "missing panel: exit status $status"
grep -q 'has not been built' "$work/out" || fail "missing panel: no message"
[ ! -e "$build/demo/sim.out" ] || fail "missing panel: the simulator was started"
# 4. No display: said plainly, with the way to a real window, and a screenshot of the virtual
# screen once the panel's window is up (a stand-in window named like the panel's).
if command -v xvfb-run >/dev/null && command -v xmessage >/dev/null \
  && command -v xwininfo >/dev/null && command -v import >/dev/null; then
  cat >"$work/xpanel" <<'XPANEL'
#!/usr/bin/env bash
xmessage -name korvane -timeout 4 "stand-in panel" >/dev/null 2>&1
exit 4
XPANEL
  chmod +x "$work/xpanel"
  status=0
  KORVANE_RUN_SKIP_BUILD=1 KORVANE_BUILD_DIR=$build KORVANE_SIM_PORT=0 KORVANE_PANEL=$work/xpanel \
    env -u DISPLAY -u WAYLAND_DISPLAY "$src/scripts/run" --no-sim >"$work/out" 2>&1 || status=$?
  [ $status -eq 4 ] || { cat "$work/out"; fail "headless: exit status $status, expected 4"; }
  grep -q 'there is no display here' "$work/out" || fail "headless: no display not said"
  grep -q "ssh -X" "$work/out" || fail "headless: no word on ssh -X"
  grep -q "screenshot of the panel written to $build/korvane-screen.png" "$work/out" \
    || { cat "$work/out"; fail "headless: no screenshot announced"; }
  [ "$(head -c 8 "$build/korvane-screen.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] \
    || fail "headless: the screenshot is not a PNG"
else
  echo "headless case skipped: xvfb-run, xmessage, xwininfo or import missing"
fi
echo "PASS"
