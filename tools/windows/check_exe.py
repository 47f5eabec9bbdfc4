#!/usr/bin/python3
"""The zip a player gets, and the Deslizador.exe in it read back as Windows reads it: its version
record, its icon, the DLLs it needs. tools/windows/build.sh fails on what it finds; the windows
tests run it too.

argv: <Deslizador-*-win64.zip> <the game's .ico>. Exits 77 (skipped) when the Windows program has
not been built."""

import io, os, struct, sys, zipfile

import pefile

# What every Windows 10 and 11 has; anything else would have to travel beside the .exe.
SYSTEM_DLLS = {
    "advapi32.dll", "comdlg32.dll", "d3d11.dll", "d3d9.dll", "dwmapi.dll", "dxgi.dll", "gdi32.dll",
    "imm32.dll", "kernel32.dll", "msvcrt.dll", "netapi32.dll", "ole32.dll", "oleaut32.dll",
    "setupapi.dll", "shell32.dll", "shlwapi.dll", "user32.dll", "userenv.dll", "uxtheme.dll",
    "version.dll", "winmm.dll", "ws2_32.dll", "wtsapi32.dll", "authz.dll", "mpr.dll",
    "comctl32.dll", "dwrite.dll", "d2d1.dll", "shcore.dll", "combase.dll", "rpcrt4.dll",
    "cfgmgr32.dll", "winspool.drv",
}
VERSION = {"CompanyName": "Calderina", "FileVersion": "1.00", "InternalName": "Deslizador",
           "OriginalFilename": "Deslizador.exe", "ProductName": "Deslizador",
           "ProductVersion": "1.00"}


def icon_images(pe):
    """The images of the .exe's first icon group, as the bytes an .ico file holds for each."""
    resources = {entry.id: entry for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries}
    data = lambda entry: pe.get_data(entry.directory.entries[0].data.struct.OffsetToData,
                                     entry.directory.entries[0].data.struct.Size)
    icons = {entry.id: data(entry) for entry in resources[pefile.RESOURCE_TYPE["RT_ICON"]]
             .directory.entries}
    group = data(resources[pefile.RESOURCE_TYPE["RT_GROUP_ICON"]].directory.entries[0])
    count = struct.unpack_from("<H", group, 4)[0]
    return [icons[struct.unpack_from("<H", group, 6 + 14 * i + 12)[0]] for i in range(count)]


def ico_images(path):
    data = open(path, "rb").read()
    count = struct.unpack_from("<H", data, 4)[0]
    entries = [struct.unpack_from("<II", data, 6 + 16 * i + 8) for i in range(count)]
    return [data[offset:offset + size] for size, offset in entries]


def main():
    archive, ico = sys.argv[1:]
    if not os.path.exists(archive):
        print(f"SKIP: no Windows program at {archive}; make it with tools/windows/build.sh")
        return 77
    with zipfile.ZipFile(archive) as zipped:
        names = [n for n in zipped.namelist() if not n.endswith("/")]
        folder = os.path.basename(archive)[:-len(".zip")]
        if names != [f"{folder}/Deslizador.exe"]:
            print(f"FAIL: the zip holds {names}, not {folder}/Deslizador.exe alone")
            return 1
        exe = zipped.read(names[0])
    failures = []
    pe = pefile.PE(data=exe)
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"] or \
            pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
        failures.append("not a 64-bit Windows GUI program")

    fixed = pe.VS_FIXEDFILEINFO[0]
    versions = [(fixed.FileVersionMS, fixed.FileVersionLS),
                (fixed.ProductVersionMS, fixed.ProductVersionLS)]
    if versions != [(0x10000, 0)] * 2:
        failures.append(f"file and product versions {versions}, not 1.0.0.0")
    strings, translations = {}, []
    for info in pe.FileInfo[0]:
        for table in getattr(info, "StringTable", []):
            strings[table.LangID.decode()] = {k.decode(): v.decode() for k, v in
                                              table.entries.items()}
        for var in getattr(info, "Var", []):
            translations += [v for v in var.entry.values()]
    if strings != {"0C0A04B0": VERSION} and strings != {"0c0a04b0": VERSION}:
        failures.append(f"version strings {strings}")
    if translations != ["0x0c0a 0x04b0"]:
        failures.append(f"version translation {translations}, not Spanish (0C0A) in Unicode")

    if icon_images(pe) != ico_images(ico):
        failures.append(f"the .exe's icon is not {os.path.basename(ico)}, image for image")

    imports = sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT)
    if foreign := [dll for dll in imports if dll not in SYSTEM_DLLS and
                   not dll.startswith("api-ms-win-")]:
        failures.append(f"imports DLLs that Windows does not have: {foreign}")
    functions = {f.name for entry in pe.DIRECTORY_ENTRY_IMPORT for f in entry.imports}
    if b"CreateProcessW" not in functions or b"CreateProcessA" in functions:
        failures.append("the browser is not started through the wide CreateProcessW")

    print(f"{len(exe) / 2**20:.1f} MiB; imports {', '.join(imports)}")
    for failure in failures:
        print(f"FAIL: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
