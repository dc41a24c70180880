#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, builds everything and runs every test.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
ctest --preset default
