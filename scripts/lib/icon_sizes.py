#!/usr/bin/env python3
"""Checks that tarvik.exe's icon holds a bitmap for each size that the title bar, the taskbar
and Explorer take at 100 %, 125 % and 150 %: a size missing would be scaled, and blurred.
Reads the program itself, or a compiled Windows resource file (.res).

    scripts/lib/icon_sizes.py build-windows/app/tarvik.exe
"""

import struct
import sys

import version_resource
from version_resource import ResourceError

RT_GROUP_ICON = 14
WANTED_SIZES = [16, 20, 24, 32, 40, 48, 64, 256]


def group_sizes(payload):
    """The sizes in px of the images of one icon group, smallest first."""
    # GRPICONDIR: reserved, type, count; then 14 bytes an image, the first its width (0 for 256).
    if len(payload) < 6:
        raise ResourceError("icon group cut short before its count")
    (count,) = struct.unpack_from("<H", payload, 4)
    if len(payload) < 6 + 14 * count:
        raise ResourceError(f"icon group of {count} images cut short")
    return sorted(payload[6 + 14 * index] or 256 for index in range(count))


def icon_sizes(data):
    """The sizes of the one icon group in `data`; fails on none or on more than one."""
    groups = [p for kind, _, _, p in version_resource.resources_of(data) if kind == RT_GROUP_ICON]
    if len(groups) != 1:
        raise ResourceError(f"{len(groups)} icon groups, not one")
    return group_sizes(groups[0])


def problems(data):
    sizes = icon_sizes(data)
    return [] if sizes == WANTED_SIZES else [f"icon of {sizes} px; expected {WANTED_SIZES}"]


if __name__ == "__main__":
    sys.exit(version_resource.check_command(
        sys.argv, "icon size", problems,
        lambda data: f"icon of {', '.join(map(str, icon_sizes(data)))} px"))
