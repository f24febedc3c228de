#!/usr/bin/env python3
"""Makes an MSI that wixl built the same to the byte whenever it is built: wixl stamps the
summary stream with the time of the build and a random package code. This sets both times to
SOURCE_DATE_EPOCH and the package code to a name-based UUID of the package's other bytes, so
that the code stays the same for the same package and changes with any change to it, as
Windows Installer requires of a package code. The values are rewritten in place, at the
same length, inside the compound file; nothing else in it moves.
    reproducible_msi.py MSI...
Also derives the package's other fixed codes (the ProductCode of a version, the component
GUIDs) as name-based UUIDs within its architecture's UpgradeCode:
    reproducible_msi.py --name-uuid UPGRADE-CODE NAME"""
import hashlib
import os
import struct
import sys
import uuid

SUMMARY = "\x05SummaryInformation"
PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM = 9, 12, 13
VT_LPSTR, VT_FILETIME = 30, 64
ENDOFCHAIN = 0xFFFFFFFE
# Seconds from 1601-01-01, where a FILETIME counts from in 100 ns steps, to 1970-01-01.
FILETIME_UNIX_EPOCH = 11644473600
# The namespace of the package codes: a fixed name-based UUID of the program's name.
PACKAGE_CODES = uuid.uuid5(uuid.NAMESPACE_DNS, "package-code.tarvik.invalid")


class CompoundFile:
    """Just enough of a compound file (MS-CFB) to find where each byte of a stream lies."""

    def __init__(self, data):
        if data[:8] != bytes.fromhex("d0cf11e0a1b11ae1"):
            raise ValueError("not a compound file")
        self.data = data
        sector_shift, mini_shift = struct.unpack_from("<HH", data, 0x1E)
        self.sector, self.mini_sector = 1 << sector_shift, 1 << mini_shift
        (self.directory_start, self.mini_cutoff, minifat_start, _,
         difat_start, difat_count) = struct.unpack_from("<I4xIIIII", data, 0x30)
        difat = list(struct.unpack_from("<109I", data, 0x4C))
        sector = difat_start
        for _ in range(difat_count):
            entries = struct.unpack_from(f"<{self.sector // 4}I", data, self.offset(sector))
            difat.extend(entries[:-1])
            sector = entries[-1]
        self.fat = []
        for fat_sector in difat:
            if fat_sector < ENDOFCHAIN - 4:
                self.fat.extend(struct.unpack_from(f"<{self.sector // 4}I", data,
                                                   self.offset(fat_sector)))
        self.minifat = []
        for sector in self.chain(minifat_start):
            self.minifat.extend(struct.unpack_from(f"<{self.sector // 4}I", data,
                                                   self.offset(sector)))
        root = self.entries()[0]
        self.mini_stream = self.byte_offsets(self.chain(root[1]), self.sector, root[2])

    def offset(self, sector):
        return (sector + 1) * self.sector

    def chain(self, start, table=None):
        table = self.fat if table is None else table
        sectors = []
        while start < ENDOFCHAIN - 4:
            sectors.append(start)
            start = table[start]
        return sectors

    def byte_offsets(self, sectors, size, length, base=None):
        """The file offset of each byte of a stream laid in these sectors of SIZE bytes."""
        offsets = []
        for sector in sectors:
            if base is None:
                start = self.offset(sector)
                offsets.extend(range(start, start + size))
            else:
                offsets.extend(base[sector * size:(sector + 1) * size])
        return offsets[:length]

    def entries(self):
        """(name, start sector, size) of every directory entry."""
        result = []
        for sector in self.chain(self.directory_start):
            for start in range(self.offset(sector), self.offset(sector) + self.sector, 128):
                name_length, = struct.unpack_from("<H", self.data, start + 64)
                name = self.data[start:start + max(name_length - 2, 0)].decode("utf-16-le")
                first, size = struct.unpack_from("<II", self.data, start + 116)
                result.append((name, first, size))
        return result

    def stream(self, name):
        """The file offset of each byte of the named stream."""
        for entry_name, first, size in self.entries():
            if entry_name == name:
                if size < self.mini_cutoff:
                    return self.byte_offsets(self.chain(first, self.minifat), self.mini_sector,
                                             size, self.mini_stream)
                return self.byte_offsets(self.chain(first), self.sector, size)
        raise ValueError(f"no stream {name!r}")


def summary_values(stream):
    """Where, within the summary stream, the package code and the two times lie."""
    section, = struct.unpack_from("<I", stream, 28 + 16)
    count, = struct.unpack_from("<I", stream, section + 4)
    found = {}
    for index in range(count):
        pid, where = struct.unpack_from("<II", stream, section + 8 + 8 * index)
        kind, = struct.unpack_from("<I", stream, section + where)
        value = section + where + 4
        if pid == PID_REVNUMBER and kind == VT_LPSTR:
            length, = struct.unpack_from("<I", stream, value)
            found[pid] = (value + 4, length - 1)  # without the closing NUL
        elif pid in (PID_CREATE_DTM, PID_LASTSAVE_DTM) and kind == VT_FILETIME:
            found[pid] = (value, 8)
    missing = {PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM} - found.keys()
    if missing or found[PID_REVNUMBER][1] != 38:
        raise ValueError("the summary stream holds no package code and times to pin")
    return found


def pin(path, epoch):
    with open(path, "rb") as file:
        data = bytearray(file.read())
    offsets = CompoundFile(bytes(data)).stream(SUMMARY)
    values = summary_values(bytes(data[o] for o in offsets))

    def put(pid, content):
        start, length = values[pid]
        for index, byte in enumerate(content[:length]):
            data[offsets[start + index]] = byte

    filetime = struct.pack("<Q", (epoch + FILETIME_UNIX_EPOCH) * 10_000_000)
    put(PID_CREATE_DTM, filetime)
    put(PID_LASTSAVE_DTM, filetime)
    put(PID_REVNUMBER, b"{" + b"0" * 36 + b"}")
    code = uuid.uuid5(PACKAGE_CODES, hashlib.sha256(data).hexdigest())
    put(PID_REVNUMBER, f"{{{str(code).upper()}}}".encode("ascii"))
    with open(path, "wb") as file:
        file.write(data)


def main(arguments):
    if arguments[:1] == ["--name-uuid"] and len(arguments) == 3:
        print(str(uuid.uuid5(uuid.UUID(arguments[1]), arguments[2])).upper())
        return
    if not arguments or arguments[0].startswith("-"):
        sys.exit(__doc__)
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "0"))
    for path in arguments:
        pin(path, epoch)


if __name__ == "__main__":
    main(sys.argv[1:])
