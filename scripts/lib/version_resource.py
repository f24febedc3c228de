#!/usr/bin/env python3
"""Checks the version information of tarvik.exe, in the program itself or in a compiled
Windows resource file (.res).

Reads the VS_VERSIONINFO structure the way Windows does and exits non-zero, naming each
difference, unless it holds version 1.00 of TARVIK in Japanese (0x0411) and Unicode (1200).

    scripts/lib/version_resource.py build-windows/app/tarvik.exe
"""

import pathlib
import struct
import sys
from dataclasses import dataclass, field

RT_VERSION = 16
FIXED_SIGNATURE = 0xFEEF04BD

EXPECTED_FIXED_VERSION = (1, 0, 0, 0)
EXPECTED_TABLE = "041104B0"
EXPECTED_STRINGS = {
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
    "ProductName": "TARVIK",
    "InternalName": "TARVIK",
    "CompanyName": "The TARVIK developers",
    # The licence's own copyright line, word for word.
    "LegalCopyright": next(
        line.strip()
        for line in (pathlib.Path(__file__).resolve().parents[2] / "LICENSE")
        .read_text(encoding="utf-8").splitlines()
        if line.startswith("Copyright")),
}
EXPECTED_TRANSLATIONS = [(0x0411, 1200)]


class ResourceError(Exception):
    """The file is no well-formed resource file or holds no well-formed version resource."""


def _align4(offset):
    return (offset + 3) & ~3


def _read_id(data, offset):
    """A resource type or name: 0xFFFF and a number, or a NUL-terminated UTF-16 string."""
    if offset + 2 > len(data):
        raise ResourceError(f"resource header cut short at byte {offset}")
    (first,) = struct.unpack_from("<H", data, offset)
    if first == 0xFFFF:
        if offset + 4 > len(data):
            raise ResourceError(f"resource header cut short at byte {offset}")
        return struct.unpack_from("<H", data, offset + 2)[0], offset + 4
    return _read_utf16z(data, offset)


def _read_utf16z(data, offset, end=None):
    end = len(data) if end is None else end
    chars = []
    while True:
        if offset + 2 > end:
            raise ResourceError(f"unterminated UTF-16 string at byte {offset}")
        (unit,) = struct.unpack_from("<H", data, offset)
        offset += 2
        if unit == 0:
            return bytes(chars).decode("utf-16-le"), offset
        chars += struct.pack("<H", unit)


def resources(data):
    """Yields (type, name, language, payload) for each entry of a .res file."""
    offset = 0
    while offset < len(data):
        if offset + 8 > len(data):
            raise ResourceError(f"resource header cut short at byte {offset}")
        data_size, header_size = struct.unpack_from("<II", data, offset)
        if header_size < 32 or offset + header_size + data_size > len(data):
            raise ResourceError(f"resource at byte {offset} runs past the end of the file")
        kind, cursor = _read_id(data, offset + 8)
        name, cursor = _read_id(data, cursor)
        cursor = _align4(cursor)
        # DataVersion, MemoryFlags, LanguageId, Version, Characteristics
        if cursor + 16 > offset + header_size:
            raise ResourceError(f"resource header at byte {offset} is too short")
        (language,) = struct.unpack_from("<H", data, cursor + 6)
        payload = data[offset + header_size : offset + header_size + data_size]
        # The file opens with an empty entry that only marks it as a 32-bit resource file.
        if not (kind == 0 and name == 0 and data_size == 0):
            yield kind, name, language, payload
        offset = _align4(offset + header_size + data_size)


@dataclass
class Block:
    """One node of VS_VERSIONINFO: wLength, wValueLength, wType, szKey, Value, Children."""

    key: str
    is_text: bool
    value: bytes
    children: list = field(default_factory=list)

    def child(self, key):
        return next((c for c in self.children if c.key == key), None)

    def text(self):
        # Windows hands out the text up to its first NUL; an rc "1.00\0" stores two.
        return self.value.decode("utf-16-le").split("\0", 1)[0]


def parse_block(data, offset=0, end=None):
    end = len(data) if end is None else end
    if offset + 6 > end:
        raise ResourceError(f"version block cut short at byte {offset}")
    length, value_length, kind = struct.unpack_from("<HHH", data, offset)
    block_end = offset + length
    if length < 6 or block_end > end:
        raise ResourceError(f"version block at byte {offset} runs past its parent")
    if kind not in (0, 1):
        raise ResourceError(f"version block at byte {offset} has type {kind}, not 0 or 1")
    key, cursor = _read_utf16z(data, offset + 6, block_end)
    cursor = _align4(cursor)
    # A text value's length counts UTF-16 units, a binary one's bytes.
    value_bytes = value_length * 2 if kind == 1 else value_length
    if cursor + value_bytes > block_end:
        raise ResourceError(f"value of '{key}' runs past its block")
    block = Block(key, kind == 1, bytes(data[cursor : cursor + value_bytes]))
    cursor = _align4(cursor + value_bytes)
    while cursor < block_end:
        child = parse_block(data, cursor, block_end)
        block.children.append(child)
        cursor = _align4(cursor + struct.unpack_from("<H", data, cursor)[0])
    return block


@dataclass
class VersionInfo:
    file_version: tuple
    product_version: tuple
    tables: dict  # StringFileInfo: table key -> {name: text}
    translations: list  # VarFileInfo: (language, code page) pairs


def _version_words(most, least):
    return (most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF)


def _u16(data, offset):
    if offset + 2 > len(data):
        raise ResourceError(f"program cut short at byte {offset}")
    return struct.unpack_from("<H", data, offset)[0]


def _u32(data, offset):
    if offset + 4 > len(data):
        raise ResourceError(f"program cut short at byte {offset}")
    return struct.unpack_from("<I", data, offset)[0]


def program_resources(data):
    """Yields (type, name, language, payload) for each resource of a PE program (.exe)."""
    if data[:2] != b"MZ":
        raise ResourceError("no program: it does not start with MZ")
    header = _u32(data, 0x3C)
    if data[header : header + 4] != b"PE\0\0":
        raise ResourceError("no PE signature where the DOS header points")
    sections = _u16(data, header + 6)
    optional = header + 24
    magic = _u16(data, optional)
    directories = {0x10B: 96, 0x20B: 112}.get(magic)
    if directories is None:
        raise ResourceError(f"optional header of unknown kind 0x{magic:X}")
    root_rva = _u32(data, optional + directories + 2 * 8)  # the resource directory
    table = optional + _u16(data, header + 20)
    spans = []
    for index in range(sections):
        entry = table + 40 * index
        size, rva, raw_size, raw = struct.unpack_from("<IIII", data, entry + 8)
        spans.append((rva, max(size, raw_size), raw))

    def at(rva):
        for start, size, raw in spans:
            if start <= rva < start + size:
                return raw + rva - start
        raise ResourceError(f"address 0x{rva:X} lies in no section")

    if root_rva == 0:
        return
    root = at(root_rva)

    def entries(directory):
        named, numbered = struct.unpack_from("<HH", data, directory + 12)
        for index in range(named + numbered):
            key, target = struct.unpack_from("<II", data, directory + 16 + 8 * index)
            yield key, target

    for kind, types in entries(root):
        for name, names in entries(root + (types & 0x7FFFFFFF)):
            for language, leaf in entries(root + (names & 0x7FFFFFFF)):
                if leaf & 0x80000000:
                    raise ResourceError("resource directory deeper than three levels")
                rva, size = struct.unpack_from("<II", data, root + leaf)
                start = at(rva)
                if start + size > len(data):
                    raise ResourceError(f"resource at 0x{rva:X} runs past the end of the file")
                yield kind, name, language, data[start : start + size]


def resources_of(data):
    """The resources of a program (.exe) when `data` is one, else of a .res file."""
    return program_resources(data) if data[:2] == b"MZ" else resources(data)


def read_version_info(data):
    """The version information of a .res file, or of a program when `data` is one."""
    versions = [payload for kind, _, _, payload in resources_of(data) if kind == RT_VERSION]
    if len(versions) != 1:
        raise ResourceError(f"{len(versions)} version resources, not one")
    root = parse_block(versions[0])
    if root.key != "VS_VERSION_INFO":
        raise ResourceError(f"version resource is keyed '{root.key}', not VS_VERSION_INFO")
    if len(root.value) != 52 or struct.unpack_from("<I", root.value)[0] != FIXED_SIGNATURE:
        raise ResourceError("VS_FIXEDFILEINFO is missing or has no 0xFEEF04BD signature")
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", root.value, 8)

    tables = {}
    string_info = root.child("StringFileInfo")
    for table in string_info.children if string_info else []:
        tables[table.key] = {entry.key: entry.text() for entry in table.children}
    translations = []
    var_info = root.child("VarFileInfo")
    translation = var_info.child("Translation") if var_info else None
    if translation is not None:
        if len(translation.value) % 4:
            raise ResourceError("Translation is no list of language and code page pairs")
        translations = list(struct.iter_unpack("<HH", translation.value))
    return VersionInfo(
        _version_words(file_ms, file_ls),
        _version_words(product_ms, product_ls),
        tables,
        translations,
    )


def differences(info):
    """Every way in which `info` departs from what tarvik.exe must carry, as sentences."""
    found = []
    fixed = (("FILEVERSION", info.file_version), ("PRODUCTVERSION", info.product_version))
    for name, actual in fixed:
        if actual != EXPECTED_FIXED_VERSION:
            found.append(f"{name} is {actual}, expected {EXPECTED_FIXED_VERSION}")
    table = info.tables.get(EXPECTED_TABLE)
    if table is None:
        found.append(f"no StringFileInfo block {EXPECTED_TABLE}; blocks: {sorted(info.tables)}")
        table = {}
    for name, expected in EXPECTED_STRINGS.items():
        if name not in table:
            found.append(f"{EXPECTED_TABLE} has no {name}")
        elif table[name] != expected:
            found.append(f"{name} is {table[name]!r}, expected {expected!r}")
    if info.translations != EXPECTED_TRANSLATIONS:
        shown = ", ".join(f"0x{lang:04X}/{page}" for lang, page in info.translations) or "none"
        found.append(f"Translation is {shown}, expected 0x0411/1200")
    return found


def check_command(argv, name, problems_of, summary):
    """Runs the check `name` of the program or .res file named by argv[1]: prints each of
    `problems_of(data)` and fails, or prints `summary(data)` when there are none."""
    if len(argv) != 2:
        print(f"usage: {argv[0]} tarvik.exe|FILE.res", file=sys.stderr)
        return 2
    path = argv[1]
    try:
        with open(path, "rb") as file:
            data = file.read()
        problems = problems_of(data)
    except (OSError, ResourceError) as error:
        problems = [str(error)]
    if problems:
        for problem in problems:
            print(f"{path}: {problem}", file=sys.stderr)
        print(f"{path}: {name} check FAILED", file=sys.stderr)
        return 1
    print(f"{path}: {summary(data)}")
    return 0


if __name__ == "__main__":
    sys.exit(check_command(
        sys.argv, "version resource", lambda data: differences(read_version_info(data)),
        lambda _: f"version 1.00, block {EXPECTED_TABLE}, TARVIK, 0x0411/1200: all as expected"))
