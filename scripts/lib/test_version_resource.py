#!/usr/bin/env python3
"""Tests the version resource checker on app/tarvik.rc and on altered copies of it, compiled
with the mingw-w64 windres (WINDRES, x86_64-w64-mingw32-windres by default) and linked into
programs with the mingw-w64 gcc (MINGW_CC, x86_64-w64-mingw32-gcc by default). The manifest
that tarvik.rc names is the one a build filled in (MANIFEST_DIR, that of build-windows/ by
default)."""

import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

LIB = pathlib.Path(__file__).resolve().parent
ROOT = LIB.parents[1]
APP = ROOT / "app"
sys.path.insert(0, str(LIB))

import version_resource  # noqa: E402

WINDRES = os.environ.get("WINDRES", "x86_64-w64-mingw32-windres")
MINGW_CC = os.environ.get("MINGW_CC", "x86_64-w64-mingw32-gcc")
MANIFEST_DIR = os.environ.get(
    "MANIFEST_DIR", str(ROOT / "build-windows" / "window" / "win32" / "manifest"))
RC_TEXT = (APP / "tarvik.rc").read_text(encoding="utf-8")
# The icon's path is relative to app/, where the real tarvik.rc lies.
INCLUDES = ["--include-dir", str(APP), "--include-dir", MANIFEST_DIR]


def compile_rc(text, directory):
    rc = pathlib.Path(directory) / "altered.rc"
    res = pathlib.Path(directory) / "altered.res"
    rc.write_text(text, encoding="utf-8")
    subprocess.run(
        [WINDRES, *INCLUDES, "-O", "res", "-i", str(rc), "-o", str(res)],
        check=True,
    )
    return res.read_bytes()


def link_program(text, directory):
    """A program that carries the resources of `text`, as tarvik.exe carries tarvik.rc's."""
    rc = pathlib.Path(directory) / "program.rc"
    rc.write_text(text, encoding="utf-8")
    objects = []
    if text:
        objects.append(str(pathlib.Path(directory) / "program.o"))
        subprocess.run(
            [WINDRES, *INCLUDES, "-O", "coff", "-i", str(rc), "-o", objects[0]],
            check=True,
        )
    program = pathlib.Path(directory) / "program.exe"
    subprocess.run(
        [MINGW_CC, "-x", "c", "-", "-x", "none", *objects, "-o", str(program)],
        input="int main(void) { return 0; }\n",
        text=True,
        check=True,
    )
    return program.read_bytes()


def problems_in(text):
    with tempfile.TemporaryDirectory() as directory:
        data = compile_rc(text, directory)
    return version_resource.differences(version_resource.read_version_info(data))


class CheckerFindsEachAlteration(unittest.TestCase):
    def test_tarvik_rc_passes(self):
        self.assertEqual(problems_in(RC_TEXT), [])

    def test_each_alteration_is_named(self):
        rows = [
            # (what is changed in tarvik.rc, what it becomes, words of the complaint expected)
            ('"FileVersion", "1.00', '"FileVersion", "1.01', "FileVersion is '1.01'"),
            ('"ProductVersion", "1.00', '"ProductVersion", "1.0', "ProductVersion is '1.0'"),
            ('"ProductName", "TARVIK', '"ProductName", "Tarvik', "ProductName is 'Tarvik'"),
            ('VALUE "InternalName", "TARVIK\\0"\n', "", "has no InternalName"),
            ('BLOCK "041104B0"', 'BLOCK "040904B0"', "no StringFileInfo block 041104B0"),
            ("0x0411, 1200", "0x0409, 1200", "Translation is 0x0409/1200"),
            ("0x0411, 1200", "0x0411, 932", "Translation is 0x0411/932"),
            (" FILEVERSION 1,0,0,0", " FILEVERSION 1,0,0,1", "FILEVERSION is (1, 0, 0, 1)"),
            (" PRODUCTVERSION 1,0,0,0", " PRODUCTVERSION 2,0,0,0", "PRODUCTVERSION is (2, 0"),
        ]
        for old, new, complaint in rows:
            with self.subTest(old=old, new=new):
                self.assertIn(old, RC_TEXT)
                problems = problems_in(RC_TEXT.replace(old, new, 1))
                self.assertTrue(any(complaint in p for p in problems), problems)

    def test_broken_files_are_refused(self):
        with tempfile.TemporaryDirectory() as directory:
            good = compile_rc(RC_TEXT, directory)
            icon_only = compile_rc(RC_TEXT.split("VS_VERSION_INFO")[0], directory)
        rows = [
            ("cut short", good[: len(good) - 100], "runs past"),
            ("no version resource", icon_only, "0 version resources"),
            ("not a resource file", bytes(100), "runs past"),
            ("a program cut short", b"MZ" + bytes(100), "no PE signature"),
        ]
        for name, data, complaint in rows:
            with self.subTest(name):
                with self.assertRaises(version_resource.ResourceError) as raised:
                    version_resource.read_version_info(data)
                self.assertIn(complaint, str(raised.exception))

    def test_reads_the_program_itself(self):
        rows = [
            # (resources linked into the program, complaint expected, or None for none)
            (RC_TEXT, None),
            (RC_TEXT.replace('"FileVersion", "1.00', '"FileVersion", "1.01'), "FileVersion is"),
            ("", "0 version resources"),
        ]
        for text, complaint in rows:
            with self.subTest(complaint=complaint):
                with tempfile.TemporaryDirectory() as directory:
                    data = link_program(text, directory)
                if complaint is None:
                    info = version_resource.read_version_info(data)
                    self.assertEqual(version_resource.differences(info), [])
                elif complaint.startswith("0 version"):
                    with self.assertRaises(version_resource.ResourceError) as raised:
                        version_resource.read_version_info(data)
                    self.assertIn(complaint, str(raised.exception))
                else:
                    info = version_resource.read_version_info(data)
                    problems = version_resource.differences(info)
                    self.assertTrue(any(complaint in p for p in problems), problems)

    def test_command_exits_non_zero_on_a_bad_file(self):
        with tempfile.TemporaryDirectory() as directory:
            compile_rc(RC_TEXT.replace('"TARVIK\\0"', '"TARVIC\\0"'), directory)
            run = subprocess.run(
                [sys.executable, str(LIB / "version_resource.py"), f"{directory}/altered.res"],
                capture_output=True,
                text=True,
            )
        self.assertEqual(run.returncode, 1)
        self.assertIn("FAILED", run.stderr)


if __name__ == "__main__":
    unittest.main()
