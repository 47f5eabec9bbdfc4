#!/usr/bin/python3
"""The Windows installer read back as Windows reads it: a 64-bit program whose version record names
the game, its version and its maker. tools/windows/build.sh fails on what it finds; the windows
tests install with it under Wine.

argv: <Deslizador-*-win64-setup.exe>."""

import sys

import pefile

VERSION = {"ProductName": "Deslizador", "ProductVersion": "1.0", "FileVersion": "1.0",
           "CompanyName": "Tornel Software", "FileDescription": "Instalación de Deslizador"}


def installer_fault(setup):
    """What is wrong with the installer; None when nothing is."""
    pe = pefile.PE(setup)
    strings = {k.decode(): v.decode() for info in getattr(pe, "FileInfo", [[]])[0]
               for table in getattr(info, "StringTable", []) for k, v in table.entries.items()}
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"] or \
            any(strings.get(k) != v for k, v in VERSION.items()):
        return f"{setup}: machine {pe.FILE_HEADER.Machine:#x}, version record {strings}"
    return None


if __name__ == "__main__":
    if fault := installer_fault(sys.argv[1]):
        sys.exit(f"FAIL: {fault}")
    print(f"{sys.argv[1]}: a 64-bit installer of {VERSION}")
