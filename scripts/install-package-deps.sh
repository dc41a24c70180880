#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the package and Windows checks need on top of
# scripts/install-deps.sh: lintian, AppStream and hardening-check (devscripts)
# for the Debian package, a virtual display and the desktop's file-type tools
# to open a saved game as a file manager does, MinGW-w64, wine64 and the
# GoogleTest sources for the Windows cross build,
# ccache so that the package build reuses the objects of the test build, and
# clang-format for the format check of CI.
# With the argument "screenshots" also the tools of scripts/make-screenshots.sh.
# Kept apart from install-deps.sh because the cross compiler and wine are
# large and a player does not need them.
set -eu

PACKAGES="
  lintian appstream desktop-file-utils man-db dpkg-dev ccache clang-format git
  devscripts shared-mime-info libglib2.0-bin xdg-utils xvfb xdotool
  g++-mingw-w64-x86-64-posix wine64 googletest
"
if [ "${1:-}" = screenshots ]; then
  PACKAGES="$PACKAGES openbox imagemagick"
fi

# shellcheck disable=SC2086
exec "$(dirname "$0")/install-deps.sh" $PACKAGES
