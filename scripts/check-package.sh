#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it: built twice to the same bytes,
# lintian errors, the hardening of its programs, the files it must hold, the
# AppStream metainfo, the desktop entries, the manual pages, and a saved game
# opened as a file manager opens it.
# VAELORIC_REPOSITORY_RAW_URL names where the repository is published, for
# the metainfo's screenshots; unset, the package carries none.
set -eu
cd "$(dirname "$0")/.."

# package BUILD_DIR: configures, builds and packs in BUILD_DIR.
package() {
  cmake --preset package -B "$1" -DVAELORIC_REPOSITORY_RAW_URL="${VAELORIC_REPOSITORY_RAW_URL:-}"
  cmake --build "$1"
  rm -f "$1"/package/*.deb
  cpack --config "$1/CPackConfig.cmake"
}
package build-package
deb=$(ls build-package/package/vaeloric-chess_*_*.deb)
echo "Package: $deb ($(stat -c %s "$deb") bytes)"
dpkg-deb --field "$deb" Depends

# Reproducible: a second build from nothing, in another folder and later,
# gives the same bytes.
again=build-package-again
rm -rf "$again"
package "$again"
deb_again=$(ls "$again"/package/vaeloric-chess_*_*.deb)
if ! cmp -s "$deb" "$deb_again"; then
  echo "Two builds of the package differ:" >&2
  sha256sum "$deb" "$deb_again" >&2
  for d in "$deb" "$deb_again"; do
    rm -rf "$d.files" && dpkg-deb --raw-extract "$d" "$d.files"
    (cd "$d.files" && find . -type f -exec md5sum {} + | sort -k 2) >"$d.sums"
    dpkg-deb --contents "$d" >"$d.list"
  done
  diff "$deb.sums" "$deb_again.sums" >&2 || true
  diff "$deb.list" "$deb_again.list" >&2 || true
  exit 1
fi
echo "Built twice, the same package: $(sha256sum "$deb" | cut -d' ' -f1)"
rm -rf "$again"

# Warnings too: the copyright file, the changelog and the binaries are clean.
lintian --fail-on error,warning "$deb"

# The files a player needs must be in it.
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in usr/games/marisel usr/games/ventisel usr/games/terrasel usr/games/ignisel \
            usr/games/vaeloric-sim usr/share/vaeloric/sontina3.mid \
            usr/share/man/man6/vaeloric-sim.6.gz usr/share/man/man6/marisel.6.gz \
            usr/share/metainfo/org.vaeloric.chess.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/vaeloric.svg \
            usr/share/doc/vaeloric-chess/copyright usr/share/doc/vaeloric-chess/changelog.gz \
            usr/share/doc/vaeloric-chess/README.md.gz usr/share/mime/packages/vaeloric-chess.xml \
            usr/share/icons/hicolor/scalable/mimetypes/application-x-vaeloric-game.svg \
            usr/share/icons/hicolor/scalable/mimetypes/application-x-vaeloric-record.svg; do
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
# The licence fields: the data's and the project's, as SPDX names.
metainfo=$(cat "$unpacked"/usr/share/metainfo/*.xml)
for field in '<metadata_license>CC0-1.0</metadata_license>' \
             '<project_license>GPL-3.0-or-later</project_license>'; do
  echo "$metainfo" | grep -qF "$field" || { echo "The metainfo lacks $field" >&2; exit 1; }
done
# Screenshots only under the published repository's address.
if [ -z "${VAELORIC_REPOSITORY_RAW_URL:-}" ] && echo "$metainfo" | grep -q '<image>'; then
  echo "The metainfo of an unpublished build names screenshots" >&2
  exit 1
fi
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop

# Hardened: stack protector, fortified libc calls, read-only relocations
# bound at start, position-independent. Debian 12's C start-up files carry no
# control-flow protection note, so the linker never marks a program with it
# and hardening-check cannot see it; the branch targets that
# -fcf-protection marks at every function entry show it instead (a program
# built without it has almost none).
hardening-check --quiet --nocfprotection "$unpacked"/usr/games/*
for program in "$unpacked"/usr/games/*; do
  targets=$(objdump -d --no-show-raw-insn "$program" | grep -c endbr64 || true)
  [ "$targets" -ge 100 ] ||
    { echo "$program: built without -fcf-protection ($targets branch targets)" >&2; exit 1; }
done
for page in "$unpacked"/usr/share/man/man6/*.6.gz; do
  [ -L "$page" ] && continue
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$page: $warnings" >&2; exit 1; }
done
./scripts/check-open-saved-game.sh "$unpacked"
echo "The package checks passed."
