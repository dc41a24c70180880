#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# check-open-saved-game.sh UNPACKED: opens a saved game as a file manager does
# (xdg-open on a GNOME-like desktop, which asks GIO) with the package's files
# unpacked in UNPACKED, on a virtual display, and checks that the game goes
# on in the program of its board: the file type is known by its name and by
# its contents, the launcher is its default handler, and the board program's
# window shows up with the file named in its argument.
# VAELORIC_CHECK_DISPLAY=:NN picks the display; by default Xvfb finds a free one.
set -eu
cd "$(dirname "$0")/.."
unpacked=$(realpath "$1")
work=$(mktemp -d)
xvfb="" board="" launcher=""
cleanup() {
  for pid in $board $launcher $xvfb; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "Opening a saved game: $*" >&2
  exit 1
}

# The desktop's caches, built from the package's files as its triggers would.
share=$work/share
mkdir -p "$share/mime/packages" "$share/applications"
cp "$unpacked"/usr/share/mime/packages/*.xml "$share/mime/packages/"
cp "$unpacked"/usr/share/applications/*.desktop "$share/applications/"
export XDG_DATA_DIRS="$share:/usr/share" XDG_DATA_HOME="$work/data"
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state"
update-mime-database "$share/mime"
update-desktop-database "$share/applications"
export XDG_CURRENT_DESKTOP=GNOME PATH="$unpacked/usr/games:$PATH"
unset QT_QPA_PLATFORM VAELORIC_ANALYSIS_FILE VAELORIC_BOARD_DIR

# An Earth game, once named as saved and once without its extension.
game="$work/saved games/earth game.vae"
mkdir -p "$work/saved games"
cp tests/samples/board-E-F2-seed303-limit250/game.vae "$game"
cp "$game" "$work/earth-without-extension"
for file in "$game" "$work/earth-without-extension"; do
  type=$(gio info -a standard::content-type "$file" | sed -n 's/^ *standard::content-type: //p')
  [ "$type" = application/x-vaeloric-game ] || fail "$file is taken for $type"
done
echo x > "$work/x.vrec"
type=$(gio info -a standard::content-type "$work/x.vrec" | sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-vaeloric-record ] || fail "a game record is taken for $type"
handler=$(gio mime application/x-vaeloric-game | sed -n 's/^Default application for .*: //p')
[ "$handler" = vaeloric.desktop ] || fail "the default handler is '$handler', not the launcher"

if [ -n "${VAELORIC_CHECK_DISPLAY:-}" ]; then
  DISPLAY=$VAELORIC_CHECK_DISPLAY
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  sleep 1
else
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  DISPLAY=:$(cat "$work/display")
fi
export DISPLAY
kill -0 "$xvfb" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"

# The double click.
xdg-open "$game"
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^VAELORIC CHESS - ' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || fail "no board window appeared within 20 seconds"
board=$(xdotool getwindowpid "$window")
launcher=$(awk '{print $4}' "/proc/$board/stat")
[ "$(cat "/proc/$board/comm")" = terrasel ] || fail "the game opened in $(cat "/proc/$board/comm")"
[ "$(cat "/proc/$launcher/comm")" = vaeloric ] || fail "the board was not started by the launcher"
argument=$(tr '\0' '\n' <"/proc/$board/cmdline" | sed -n 2p)
[ "$argument" = "*$game" ] || fail "the board program was given '$argument'"
echo "A saved game opened with xdg-open continues in terrasel ($(xdotool getwindowname "$window"))."
