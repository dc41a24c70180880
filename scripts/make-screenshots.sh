#!/bin/sh
# Makes the software-centre screenshots in packaging/screenshots/ from the
# real programs, on a virtual X display of 1280x800.
# Needs: xvfb openbox xdotool imagemagick (scripts/install-package-deps.sh screenshots).
# Usage: scripts/make-screenshots.sh [BUILD_DIR] [DISPLAY_NUMBER]
set -eu
cd "$(dirname "$0")/.."
build="${1:-build}"
display=":${2:-83}"
out=packaging/screenshots
mkdir -p "$out"

pids=""
cleanup() { for pid in $pids; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT INT TERM

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids="$!"
sleep 1
DISPLAY="$display" openbox >/dev/null 2>&1 &
pids="$pids $!"
sleep 1
export DISPLAY="$display" QT_QPA_PLATFORM=xcb

# A game of the Water board: the face 6 typed in with ENTER (so that the
# pictures do not depend on the dice), then a Fire pawn moved one square,
# which opens the reading of the move.
"$build/boards/marisel" '45xWill the harvest be good this year?^@Ana^@fqo' >/dev/null 2>&1 &
board=$!
pids="$pids $board"
xdotool search --sync --name 'VAELORIC CHESS' >/dev/null && sleep 3
xdotool mousemove 37 166 && sleep 0.3 && xdotool click 1   # ENTER
xdotool search --sync --name 'Dice' >/dev/null && sleep 1
xdotool mousemove 621 417 && sleep 0.3 && xdotool click 1  # face 6
xdotool mousemove 629 460 && sleep 0.3 && xdotool click 1  # OK
sleep 1.5
import -window root "$out/board.png"
xdotool mousemove 622 365 && sleep 0.5
xdotool mousedown 1 && sleep 0.5
for y in 355 345 335 325 315; do xdotool mousemove 622 $y && sleep 0.2; done
xdotool mouseup 1 && sleep 2
import -window root "$out/reading.png"
kill "$board"

if [ -x "$build/launcher/vaeloric" ]; then
  "$build/launcher/vaeloric" >/dev/null 2>&1 &
  launcher=$!
  pids="$pids $launcher"
  sleep 4
  import -window root "$out/launcher.png"
  kill "$launcher"
fi
echo "Screenshots written to $out/"
