#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it: lintian errors, the files it must
# hold, the AppStream metainfo, the desktop entries and the manual pages.
set -eu
cd "$(dirname "$0")/.."

cmake --preset package
cmake --build --preset package
rm -f build-package/package/*.deb
cpack --preset package
deb=$(ls build-package/package/vaeloric-chess_*_*.deb)
echo "Package: $deb ($(stat -c %s "$deb") bytes)"
dpkg-deb --field "$deb" Depends

lintian --fail-on error "$deb"

# The files a player needs must be in it.
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in usr/games/marisel usr/games/ventisel usr/games/terrasel usr/games/ignisel \
            usr/games/vaeloric-sim usr/share/vaeloric/sontina3.mid \
            usr/share/man/man6/vaeloric-sim.6.gz usr/share/man/man6/marisel.6.gz \
            usr/share/metainfo/org.vaeloric.chess.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/vaeloric.svg \
            usr/share/doc/vaeloric-chess/copyright; do
  echo "$contents" | grep -qx "./$path" || { echo "The package lacks /$path" >&2; exit 1; }
done
for size in 16 24 32 48 64 128 256 512; do
  echo "$contents" | grep -qx "./usr/share/icons/hicolor/${size}x${size}/apps/vaeloric.png" ||
    { echo "The package lacks the ${size}px icon" >&2; exit 1; }
done
if [ -f launcher/CMakeLists.txt ]; then
  for path in usr/games/vaeloric usr/share/applications/vaeloric.desktop \
              usr/share/man/man6/vaeloric.6.gz; do
    echo "$contents" | grep -qx "./$path" || { echo "The package lacks /$path" >&2; exit 1; }
  done
fi
if echo "$contents" | grep -E '_tests|/include/|\.a$'; then
  echo "The package holds build files" >&2
  exit 1
fi

# Metadata and manuals as installed.
unpacked=build-package/package/unpacked
rm -rf "$unpacked"
dpkg-deb --extract "$deb" "$unpacked"
appstreamcli validate --pedantic --no-net "$unpacked"/usr/share/metainfo/*.xml
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop
for page in "$unpacked"/usr/share/man/man6/*.6.gz; do
  [ -L "$page" ] && continue
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$page: $warnings" >&2; exit 1; }
done
echo "The package checks passed."
