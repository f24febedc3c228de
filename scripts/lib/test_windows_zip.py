#!/usr/bin/env python3
"""Tests the Windows zip check on small zips made here: a right one passes for each processor,
and each fault of a wrong one is named."""

import os
import pathlib
import struct
import sys
import tempfile
import unittest
import zipfile

LIB = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(LIB))

import windows_zip  # noqa: E402

LICENSE = b"MIT License\n\nCopyright the TARVIK developers\n"


def program(machine, magic, subsystem=2):
    """The headers of a PE program, as far as the check reads them."""
    header = 0x40
    exe = bytearray(header + 24 + 70)
    exe[:2] = b"MZ"
    struct.pack_into("<I", exe, 0x3C, header)
    exe[header : header + 4] = b"PE\0\0"
    struct.pack_into("<H", exe, header + 4, machine)
    struct.pack_into("<H", exe, header + 24, magic)
    struct.pack_into("<H", exe, header + 24 + 68, subsystem)
    return bytes(exe)


CODE = "42BA8D59-8F51-56A3-8303-332549B1741F"


def readme(bits):
    return ("TARVIK 越流高さ 詳細情報 実行 Trial回数 >50mm\nthe overflow head; MIT licence\n"
            f"tarvik.exe runs on {bits}-bit Windows 7 SP1 and later\n"
            f"情報システム部門: msiexec /i TARVIK-1.00-x64.msi /qn, msiexec /x {{ProductCode}}\n"
            f"{{{CODE}}}; SHA256SUMS, デジタル署名\n").replace("\n", "\r\n")


def right_files(bits):
    machine, magic = windows_zip.MACHINES[bits]
    return {"tarvik.exe": program(machine, magic), "README.txt": readme(bits).encode(),
            "LICENSE.txt": LICENSE.replace(b"\n", b"\r\n")}


class WindowsZip(unittest.TestCase):
    def test_each_fault_is_named(self):
        rows = [
            # (bits, files changed from the right ones (None removes one), complaint or None)
            ("64", {}, None),
            ("32", {}, None),
            ("64", {"tarvik.exe": program(0x14C, 0x10B)}, "is not a 64-bit GUI program"),
            ("64", {"tarvik.exe": program(0x8664, 0x20B, subsystem=3)}, "subsystem 3"),
            ("32", {"tarvik.exe": b"#!/bin/sh\n" * 10}, "tarvik.exe is no Windows program"),
            ("64", {"tarvik.dll": b"MZ"}, "holds ['LICENSE.txt', 'README.txt', 'tarvik.dll'"),
            ("64", {"LICENSE.txt": None}, "holds ['README.txt', 'tarvik.exe']"),
            ("64", {"README.txt": readme("64").replace("\r\n", "\n").encode()}, "README.txt has"),
            ("64", {"README.txt": readme("32").encode()}, "README.txt does not say '64-bit'"),
            ("32", {"LICENSE.txt": b"GPL\r\n"}, "LICENSE.txt is not the repository's LICENSE"),
            ("64", {"README.txt": readme("64").replace(CODE, CODE[::-1]).encode()},
             f"README.txt does not say '{{{CODE}}}'"),
        ]
        with tempfile.TemporaryDirectory() as directory:
            path = os.path.join(directory, "tarvik.zip")
            for bits, changes, complaint in rows:
                with self.subTest(bits=bits, complaint=complaint):
                    files = {**right_files(bits), **changes}
                    with zipfile.ZipFile(path, "w") as archive:
                        for name, data in files.items():
                            if data is not None:
                                archive.writestr(name, data)
                    found = windows_zip.problems(path, LICENSE, bits, [CODE])
                    if complaint is None:
                        self.assertEqual(found, [])
                    else:
                        self.assertTrue(any(complaint in p for p in found), found)


if __name__ == "__main__":
    unittest.main()
