#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every include runs down the layers, never up or sideways
where the layout does not allow it, and that the folders without a window
system include no Qt header. Prints each offending include; exits 1 if any.

Usage: check-layers.py [SOURCE_DIR]"""
import pathlib
import re
import sys

CORE = {"game", "players", "reading"}
# What each folder may include besides itself.
ALLOWED = {
    "game": set(),
    "players": {"game"},
    "reading": {"game"},
    "flow": CORE,
    "launch": CORE | {"flow"},
    # The network seats: Qt's networking, no window system. Their headers
    # hide Qt, so that vaeloric-sim can use them.
    "net": CORE | {"flow"},
    "sim": CORE | {"flow", "net"},
    "render": CORE | {"flow"},
    "media": CORE | {"flow"},
    "dialogs": CORE | {"flow", "render"},
    "window": CORE | {"flow", "render", "dialogs", "media"},
    "launcher": CORE | {"flow", "launch", "net", "render", "dialogs", "media"},
    "boards": CORE | {"flow", "net", "render", "dialogs", "media", "window"},
    "tools": CORE | {"flow", "render"},
}
WITHOUT_WINDOW_SYSTEM = {"game", "players", "reading", "flow", "launch", "sim"}

LOCAL = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/')
QT = re.compile(r"^\s*#\s*include\s+<Q")


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = []
    for folder, allowed in ALLOWED.items():
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            text = path.read_text(encoding="utf-8", errors="replace")
            for number, line in enumerate(text.splitlines(), 1):
                where = f"{path.relative_to(root)}:{number}"
                match = LOCAL.match(line)
                if match and match.group(1) != folder and match.group(1) not in allowed:
                    faults.append(f"{where}: {folder}/ may not include {match.group(1)}/")
                if folder in WITHOUT_WINDOW_SYSTEM and QT.match(line):
                    faults.append(f"{where}: {folder}/ has no window system")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
