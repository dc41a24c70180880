#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every include runs down the layers, never up or sideways
where the layout does not allow it, and that the folders without a window
system include no Qt header. Prints each offending include; exits 1 if any.

Every form counts: "folder/file.h", <folder/file.h>, a name beside the
including file, and paths through "..". An include is placed by the file
it names in the tree, else by its first folder.

Usage: check-layers.py [SOURCE_DIR]"""
import os
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

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Q[A-Za-z]")


def top_folder(root, including, delimiter, name):
    """The project folder an include names, or None for an outside header."""
    candidates = [root / name]
    if delimiter == '"':
        candidates.insert(0, including.parent / name)
    for candidate in candidates:
        resolved = pathlib.Path(os.path.normpath(candidate))
        if resolved.is_file():
            try:
                return resolved.relative_to(root).parts[0]
            except ValueError:
                return "(outside the tree)"
    first = pathlib.PurePosixPath(name).parts[0] if name else ""
    if first == "..":
        return "(outside the tree)"
    return first if (root / first).is_dir() and "/" in name else None


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = []
    for folder, allowed in ALLOWED.items():
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            text = path.read_text(encoding="utf-8", errors="replace")
            for number, line in enumerate(text.splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                where = f"{path.relative_to(root)}:{number}"
                delimiter, name = match.groups()
                target = top_folder(root, path, delimiter, name)
                if target is not None and target != folder and target not in allowed:
                    faults.append(f"{where}: {folder}/ may not include {target}/")
                if (target is None and folder in WITHOUT_WINDOW_SYSTEM
                        and QT_HEADER.match(name)):
                    faults.append(f"{where}: {folder}/ has no window system")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
