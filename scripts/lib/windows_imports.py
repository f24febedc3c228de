#!/usr/bin/env python3
"""Checks that Windows programs import only functions that Windows 7 SP1 has.

Reads each program's import table with mingw-w64's objdump (OBJDUMP, x86_64-w64-mingw32-objdump
by default, which reads 32-bit programs too) and looks every imported function up in a list
of functions with the first Windows that has them (scripts/lib/windows-functions.txt). Exits
non-zero, naming each one, when a program imports a function newer than Windows 7 SP1 or one
the list does not know.

    scripts/lib/windows_imports.py LIST PROGRAM...
"""

import os
import re
import subprocess
import sys

OBJDUMP = os.environ.get("OBJDUMP", "x86_64-w64-mingw32-objdump")
# The Windows versions a program for Windows 7 SP1 may rely on, oldest first.
UP_TO_WINDOWS_7_SP1 = ("2000", "XP", "XP-SP1", "Vista", "7")


def read_list(path):
    """{(dll, function): first Windows} from the list; DLL names in lower case."""
    known = {}
    with open(path, encoding="utf-8") as file:
        for number, line in enumerate(file, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            fields = line.split()
            if len(fields) != 4:
                raise ValueError(f"{path}:{number}: not DLL, function, Windows, source: {line}")
            dll, function, since, _source = fields
            known[(dll.lower(), function)] = since
    return known


def imports_of(program):
    """[(dll, function)] that the program's import table names, DLL names in lower case."""
    dump = subprocess.run([OBJDUMP, "-p", program], check=True, capture_output=True,
                          text=True).stdout
    found = []
    dll = None
    for line in dump.splitlines():
        named = re.match(r"\tDLL Name: (\S+)$", line)
        if named:
            dll = named.group(1).lower()
            continue
        if not line.strip():
            dll = None
            continue
        entry = re.match(r"\t[0-9a-f]+\t +\d+ +(\S+)$", line)
        if dll and entry:
            found.append((dll, entry.group(1)))
    return found


def problems(known, imported):
    """What in `imported` Windows 7 SP1 would refuse to load, one line each."""
    found = []
    for dll, function in imported:
        since = known.get((dll, function))
        if since is None:
            found.append(f"{dll} {function}: not in the list; look up its minimum Windows")
        elif since not in UP_TO_WINDOWS_7_SP1:
            found.append(f"{dll} {function}: Windows {since} and later only")
    return found


def main(arguments):
    if len(arguments) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    known = read_list(arguments[0])
    failed = False
    for program in arguments[1:]:
        imported = imports_of(program)
        found = problems(known, imported) if imported else ["no imports found"]
        for problem in found:
            print(f"{program}: {problem}", file=sys.stderr)
        failed = failed or bool(found)
        if not found:
            dlls = sorted({dll for dll, _ in imported})
            print(f"{program}: {len(imported)} functions from {', '.join(dlls)}, "
                  "all in Windows 7 SP1")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
