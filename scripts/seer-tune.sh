#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fits the Seer's evaluation weights to seeded games, as docs/seer-tuning.md
# describes; the weights it prints go into players/seer_weights.h.
#
#     scripts/seer-tune.sh [BUILD_DIR]
#
# The same build gives the same output on any machine and thread count.
set -eu
build=${1:-build}
cmake --build "$build" --target vaeloric-seer-tune
exec nice -n 10 "$build/tools/seer-tune/vaeloric-seer-tune" \
    --games 1500 --seed 1 --nodes 300 --every 3 --passes 30 --threads 2 \
    --freeze ptahStep,ptahNear,ptahHeld,ptahGuarded,ptahGuardNear,ptahShut,ptahGuardStep,ptahSupport
