#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every tracked source file names its licence in its first lines.
set -eu
cd "$(dirname "$0")/.."
missing=$(git ls-files '*.cpp' '*.h' '*.h.in' '*.sh' '*.py' '*.cmake' \
  'CMakeLists.txt' '*/CMakeLists.txt' '*.svg' '*.desktop' '*.xml' .ci/run |
  while read -r f; do
    head -n 3 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"
  done)
if [ -n "$missing" ]; then
  echo "These files lack the line 'SPDX-License-Identifier: GPL-3.0-or-later':" >&2
  echo "$missing" >&2
  exit 1
fi
