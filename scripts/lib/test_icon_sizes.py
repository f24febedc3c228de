#!/usr/bin/env python3
"""Tests the icon size check on small resource files made here: the wanted sizes pass, and each
way of getting them wrong is named."""

import os
import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest

LIB = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(LIB))

import icon_sizes  # noqa: E402


def res_entry(kind, payload):
    """One entry of a .res file: a 32-byte header with numbered type and name, then the data."""
    header = struct.pack("<IIHHHHIHHII", len(payload), 32, 0xFFFF, kind, 0xFFFF, 1, 0, 0x1030,
                         0x0411, 0, 0)
    return header + payload + bytes(-len(payload) % 4)


def icon_group(widths, count=None):
    """A GRPICONDIR of square images of `widths` (256 stored as 0, as Windows does)."""
    images = b"".join(struct.pack("<BBBBHHIH", w % 256, w % 256, 0, 0, 1, 32, 0, n + 1)
                      for n, w in enumerate(widths))
    return struct.pack("<HHH", 0, 1, len(widths) if count is None else count) + images


class IconSizes(unittest.TestCase):
    def test_each_fault_is_named(self):
        wanted = icon_sizes.WANTED_SIZES
        rows = [
            # (resources of the file, exit status, words the check prints)
            ([(14, icon_group(wanted))], 0, "icon of 16, 20, 24, 32, 40, 48, 64, 256 px"),
            ([(14, icon_group([16, 32, 48, 256]))], 1, "icon of [16, 32, 48, 256] px"),
            ([(14, icon_group(wanted)), (14, icon_group(wanted))], 1, "2 icon groups, not one"),
            ([(16, bytes(8))], 1, "0 icon groups, not one"),
            ([(14, icon_group(wanted, count=9))], 1, "icon group of 9 images cut short"),
        ]
        with tempfile.TemporaryDirectory() as directory:
            path = os.path.join(directory, "icon.res")
            for entries, status, words in rows:
                with self.subTest(words):
                    with open(path, "wb") as res:
                        res.write(res_entry(0, b"") + b"".join(res_entry(*e) for e in entries))
                    run = subprocess.run([sys.executable, str(LIB / "icon_sizes.py"), path],
                                         capture_output=True, text=True)
                    self.assertEqual(run.returncode, status, run.stderr)
                    self.assertIn(words, run.stdout + run.stderr)


if __name__ == "__main__":
    unittest.main()
