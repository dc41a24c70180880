#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, builds the programs and starts the game.
# Usage: scripts/play.sh                       the launcher, vaeloric
#        scripts/play.sh marisel|ventisel|terrasel|ignisel [launcher argument]
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to open the game window on; watch a computer game instead with: ./build/sim/vaeloric-sim play --board W --ptah E4 --seed 7" >&2
  exit 1
fi
case "${1:-}" in
  "") exec ./build/launcher/vaeloric ;;
  marisel|ventisel|terrasel|ignisel)
    program="$1"
    shift
    exec "./build/boards/$program" "$@" ;;
  *)
    echo "Usage: $0 [marisel|ventisel|terrasel|ignisel [launcher argument]]" >&2
    exit 2 ;;
esac
