#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package needed to build, test and run the programs,
# and the further packages named as arguments. Safe to run again; needs root
# (or sudo) and never prompts.
set -eu

PACKAGES="
  build-essential cmake ninja-build pkg-config clang
  qt6-base-dev qt6-svg-dev qt6-websockets-dev libssl-dev libqt6sql6-sqlite libgl-dev
  libfluidsynth-dev fluidsynth timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  desktop-file-utils
  file
  valgrind
  python3
  $*
"

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done

if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  # shellcheck disable=SC2086
  $SUDO apt-get install -y -q --no-install-recommends $missing
fi
