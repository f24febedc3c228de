#!/usr/bin/env python3
"""Checks a Windows zip of TARVIK: it holds tarvik.exe, a Windows GUI program for the zip's
processor, with README.txt (Japanese and English, naming the Windows it runs on, and for IT
departments msiexec's commands and the MSIs' codes) and LICENSE.txt beside it, both with
Windows line ends, and nothing else.

    scripts/lib/windows_zip.py ZIP LICENSE 64|32 [CODE...]

CODE: a ProductCode or UpgradeCode the read-me must give, without braces.
"""

import struct
import sys
import zipfile

EXPECTED_NAMES = ["LICENSE.txt", "README.txt", "tarvik.exe"]
# The PE header's machine and optional header magic (PE32+ or PE32), by the program's bits.
MACHINES = {"64": (0x8664, 0x20B), "32": (0x14C, 0x10B)}
GUI_SUBSYSTEM = 2


def program_problems(exe, bits):
    if exe[:2] != b"MZ" or len(exe) <= 0x40:
        return ["tarvik.exe is no Windows program"]
    (header,) = struct.unpack_from("<I", exe, 0x3C)
    if exe[header : header + 4] != b"PE\0\0" or len(exe) < header + 24 + 70:
        return ["tarvik.exe has no PE header"]
    (machine,) = struct.unpack_from("<H", exe, header + 4)
    (magic,) = struct.unpack_from("<H", exe, header + 24)
    (subsystem,) = struct.unpack_from("<H", exe, header + 24 + 68)
    if (machine, magic, subsystem) != (*MACHINES[bits], GUI_SUBSYSTEM):
        return [f"tarvik.exe is not a {bits}-bit GUI program: machine {machine:#x}, "
                f"magic {magic:#x}, subsystem {subsystem}"]
    return []


def problems(path, licence, bits, codes=()):
    """Every way in which the zip at `path` departs from what it must hold, as sentences;
    `licence` is the repository's LICENSE, `bits` "64" or "32", `codes` the MSIs' codes that
    the read-me must give."""
    found = []
    with zipfile.ZipFile(path) as archive:
        names = sorted(archive.namelist())
        if names != EXPECTED_NAMES:
            found.append(f"holds {names}, not {EXPECTED_NAMES}")
        contents = {name: archive.read(name) for name in names if name in EXPECTED_NAMES}

    if "tarvik.exe" in contents:
        found += program_problems(contents["tarvik.exe"], bits)
    # Notepad before Windows 10 1809 shows a text without CR LF line ends as one line.
    for name in ("README.txt", "LICENSE.txt"):
        text = contents.get(name, b"")
        if text.count(b"\n") != text.count(b"\r\n") or b"\r\n" not in text:
            found.append(f"{name} has line ends other than CR LF")
    readme = contents.get("README.txt", b"").decode("utf-8-sig", errors="replace")
    for needed in ("TARVIK", "tarvik.exe", "越流高さ", "overflow head", "MIT", f"{bits}-bit",
                   "Windows 7 SP1", "詳細情報", "実行", "Trial回数", ">50mm", "情報システム部門",
                   "msiexec /i TARVIK-", "/qn", "msiexec /x {ProductCode}", "SHA256SUMS",
                   "デジタル署名", *(f"{{{code}}}" for code in codes)):
        if needed not in readme:
            found.append(f"README.txt does not say {needed!r}")
    if contents.get("LICENSE.txt") != licence.replace(b"\n", b"\r\n"):
        found.append("LICENSE.txt is not the repository's LICENSE with CR LF line ends")
    return found


def main(argv):
    if len(argv) < 4 or argv[3] not in MACHINES:
        print(f"usage: {argv[0]} ZIP LICENSE 64|32 [CODE...]", file=sys.stderr)
        return 2
    path, licence_path, bits = argv[1:4]
    with open(licence_path, "rb") as licence:
        found = problems(path, licence.read(), bits, argv[4:])
    for problem in found:
        print(f"check-zip: {path}: {problem}", file=sys.stderr)
    if found:
        return 1
    with zipfile.ZipFile(path) as archive:
        size = archive.getinfo("tarvik.exe").file_size
    print(f"{path}: {', '.join(EXPECTED_NAMES)}; tarvik.exe is a {bits}-bit Windows GUI program "
          f"of {size} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
