#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
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
home=""
cleanup() {
  for pid in $pids; do kill "$pid" 2>/dev/null || true; done
  [ -z "$home" ] || rm -rf "$home"
}
trap cleanup EXIT INT TERM

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids="$!"
sleep 1
DISPLAY="$display" openbox >/dev/null 2>&1 &
pids="$pids $!"
sleep 1
export DISPLAY="$display" QT_QPA_PLATFORM=xcb
# A fresh home, so that no remembered names or journal show.
home=$(mktemp -d)
export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_STATE_HOME="$home/state"

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
kill -KILL "$board"  # a board asks before it closes
wait "$board" 2>/dev/null || true

if [ -x "$build/launcher/vaeloric" ]; then
  "$build/launcher/vaeloric" >/dev/null 2>&1 &
  launcher=$!
  pids="$pids $launcher"
  window=$(xdotool search --sync --onlyvisible --name '^Vaeloric Chess$' | head -1) && sleep 2
  xdotool mousemove --window "$window" 340 126 click 1 && sleep 0.3   # the question
  xdotool type --delay 20 'Will the new house bring us luck?' && xdotool key Tab
  xdotool type --delay 20 'Ana' && sleep 1
  import -window "$window" "$out/launcher.png"
  kill -KILL "$launcher"
  wait "$launcher" 2>/dev/null || true
fi
echo "Screenshots written to $out/"
