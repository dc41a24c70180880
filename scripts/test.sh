#!/bin/sh
# Installs what is needed, builds everything and runs every test.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
ctest --preset default
