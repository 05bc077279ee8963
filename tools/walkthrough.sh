#!/usr/bin/env bash
# Walks through the whole program in a real X server as a new user would:
# start, type a birth, Calculate, page through, open the report, Print,
# Save a file, Back, Open it again, About, a refused second copy, close.
# Screenshots go to SHOTS_DIR (default ./shots/walk). Needs the build in
# ./build and runs as root for the CUPS printer (tests/report/cups-start.sh).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SHOTS=${1:-$ROOT/shots/walk}
BIN=$ROOT/build/tivora
source "$ROOT/scripts/common.sh"
install_packages xvfb xdotool imagemagick xauth cups printer-driver-cups-pdf poppler-utils

mkdir -p "$SHOTS"
work=$(mktemp -d)
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime DISPLAY=:97
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
sh "$ROOT/tests/report/cups-start.sh" "$work/cups" >/dev/null
cleanup() {
    pkill -f "^$BIN" 2>/dev/null || true
    sh "$ROOT/tests/report/cups-stop.sh" "$work/cups" >/dev/null 2>&1 || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

shot() { import -window root "$SHOTS/$1.png"; echo "shot $1"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.4}"; }
window() { xdotool search --sync --onlyvisible --name '^Tivora v2.05$' | tail -n 1; }

"$BIN" >"$work/tivora.log" 2>&1 &
app=$!
main=$(window)
shot 01-main
click 330 44; xdotool type --delay 20 'Asha Rao'
click 370 70 0.6; xdotool type --delay 60 '2000'; xdotool key Return
click 219 95 0.6; xdotool type --delay 60 '12'; xdotool key Return
click 220 121; xdotool type 5
click 268 121; xdotool type 30
click 76 172; xdotool type 28
click 154 172; xdotool type 37
click 308 172; xdotool type 77
click 386 172; xdotool type 13
shot 02-main-filled
click 241 315 1.0 # Find My Lagna
shot 03-result-page1
click 649 387; click 649 387 # Next, Next: Human Nature
shot 04-result-nature
click 161 449 1.5 # Save: the report window
shot 05-report
report=$(window)
eval "$(xdotool getwindowgeometry --shell "$report")"
before=$(ls /root/PDF 2>/dev/null | wc -l)
click $((X + 588)) $((Y + 537)) 3 # Print
after=$(ls /root/PDF 2>/dev/null | wc -l)
echo "printed PDFs: $before -> $after"
click $((X + 498)) $((Y + 537)) 1.2 # Save
shot 06-save-dialog
xdotool type --delay 20 "$work/asha"; xdotool key Return; sleep 1
ls -l "$work/asha.tvr"
xdotool key Escape; sleep 0.6
click 56 449 1.0 # Back
shot 07-main-after-back
click 241 352 1.2 # Open Previously Saved Reading
xdotool type --delay 20 "$work/asha.tvr"; xdotool key Return; sleep 1.2
shot 08-result-reopened
python3 "$ROOT/tools/x11-close.py" "$(window)" # the result window's close box
sleep 1
if kill -0 "$app" 2>/dev/null; then echo "FAIL: still running after the close"; exit 1; fi
echo "closed: the program ended"

"$BIN" >"$work/tivora.log" 2>&1 &
app=$!
main=$(window)
click 53 8 0.6; xdotool key Up Return; sleep 1 # Help > About Software
shot 09-about
xdotool key Return; sleep 0.5
"$BIN" >"$work/second.log" 2>&1 &
second=$!
sleep 1.5
shot 10-second-copy
xdotool key Return; sleep 1
kill -0 "$second" 2>/dev/null && echo "FAIL: the second copy still runs" && exit 1
echo "second copy refused"
python3 "$ROOT/tools/x11-close.py" "$main"
sleep 1
kill -0 "$app" 2>/dev/null && echo "FAIL: still running" && exit 1
echo "walk done; screenshots in $SHOTS"
