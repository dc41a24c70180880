#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the core, its tests and vaeloric-sim for Windows with
# MinGW-w64, runs the tests under wine64 and checks that the benchmark
# signature equals the Linux build's (LINUX_SIM, default build/sim/vaeloric-sim).
set -eu
cd "$(dirname "$0")/.."
linux_sim="${1:-build/sim/vaeloric-sim}"

cmake --preset mingw
tests="game_tests players_tests reading_tests flow_tests sim_tests"
# shellcheck disable=SC2086
cmake --build --preset mingw --target vaeloric-sim $tests

wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
export WINEPREFIX="$PWD/build-mingw/wine" WINEDEBUG=-all
for test in $tests; do
  echo "== $test"
  "$wine" "build-mingw/tests/$test.exe" --gtest_brief=1
done

windows=$("$wine" build-mingw/sim/vaeloric-sim.exe bench --games 2 --turns 30 | tr -d '\r' | head -1)
linux=$("$linux_sim" bench --games 2 --turns 30 | head -1)
echo "Windows: $windows"
echo "Linux:   $linux"
[ "$windows" = "$linux" ] || { echo "The Windows build plays differently" >&2; exit 1; }
echo "The Windows checks passed."
