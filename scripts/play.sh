#!/bin/sh
# Installs what is needed, builds the programs and starts a game.
# Usage: scripts/play.sh [marisel|ventisel|terrasel|ignisel] [launcher argument]
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
program="${1:-marisel}"
[ $# -gt 0 ] && shift
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to open the game window on; watch a computer game instead with: ./build/sim/vaeloric-sim play --board W --ptah E4 --seed 7" >&2
  exit 1
fi
exec "./build/boards/$program" "$@"
