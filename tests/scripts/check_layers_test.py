#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The layer check against a small tree: every form of an upward include is
reported, and every allowed one passes.

Usage: check_layers_test.py CHECK_LAYERS_SCRIPT"""
import pathlib
import subprocess
import sys
import tempfile
import unittest

SCRIPT = sys.argv.pop(1) if len(sys.argv) > 1 else "scripts/check-layers.py"


class LayerCheck(unittest.TestCase):
    def run_check(self, files):
        with tempfile.TemporaryDirectory() as folder:
            root = pathlib.Path(folder)
            for name in ["game/square.h", "flow/safe_file.h", "window/music.h",
                         "sim/tournament/schedule.h", "sim/sim.h", "tests/support/a.h"]:
                (root / name).parent.mkdir(parents=True, exist_ok=True)
                (root / name).write_text("// header\n")
            for name, text in files.items():
                (root / name).parent.mkdir(parents=True, exist_ok=True)
                (root / name).write_text(text)
            result = subprocess.run([sys.executable, SCRIPT, folder], capture_output=True,
                                    text=True, check=False)
            return result.returncode, result.stdout.splitlines()

    def test_every_form_of_an_upward_include_is_reported(self):
        forms = [
            '#include "window/music.h"',
            "#include <window/music.h>",
            '#include "../window/music.h"',
            '#  include  "window/not_yet_written.h"',
            '#include "./../window/music.h"',
            '#include "../../window/music.h"',  # from a sub-folder
        ]
        for form in forms:
            with self.subTest(form=form):
                where = "flow/sub/x.cpp" if form.count("../") == 2 else "flow/x.cpp"
                status, lines = self.run_check({where: form + "\n"})
                self.assertEqual(status, 1)
                self.assertEqual(len(lines), 1, lines)
                self.assertIn("flow/ may not include window/", lines[0])

    def test_headers_outside_the_layers_and_qt_in_the_core(self):
        status, lines = self.run_check({
            "game/x.cpp": '#include "tests/support/a.h"\n#include <QString>\n'
                          "#include <QtCore/QList>\n",
        })
        self.assertEqual(status, 1)
        self.assertEqual(len(lines), 3, lines)
        self.assertIn("game/ may not include tests/", lines[0])
        self.assertIn("game/ has no window system", lines[1])
        self.assertIn("game/ has no window system", lines[2])

    def test_allowed_includes_pass(self):
        status, lines = self.run_check({
            "flow/x.cpp": '#include "game/square.h"\n#include <game/square.h>\n'
                          '#include "safe_file.h"\n#include "../game/square.h"\n'
                          "#include <vector>\n#include <gtest/gtest.h>\n",
            "sim/tournament/x.cpp": '#include "../sim.h"\n#include "schedule.h"\n'
                                    '#include "sim/sim.h"\n',
            "window/x.cpp": "#include <QWidget>\n#include \"flow/safe_file.h\"\n",
        })
        self.assertEqual((status, lines), (0, []))


if __name__ == "__main__":
    unittest.main()
