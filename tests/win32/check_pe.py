#!/usr/bin/python3
"""Reads back the Windows program's headers and resources with pefile.

Usage: check_pe.py PROGRAM.exe VERSION_TEXT ARCH
ARCH is x86 for the 32-bit program, amd64 for the 64-bit one.
Prints one line per check and exits 1 if any failed.
"""
import struct
import sys

import pefile

# Windows' own DLLs; a runtime DLL of the compiler (libstdc++, libgcc,
# libwinpthread) would mean the program does not run on its own.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll",
               "oleacc.dll", "ole32.dll", "oleaut32.dll"}
RT_ICON, RT_GROUP_ICON, RT_MANIFEST = 3, 14, 24
# What each processor's program carries in its headers and its manifest.
ARCHES = {
    "x86": ("IMAGE_FILE_MACHINE_I386", pefile.OPTIONAL_HEADER_MAGIC_PE),
    "amd64": ("IMAGE_FILE_MACHINE_AMD64", pefile.OPTIONAL_HEADER_MAGIC_PE_PLUS),
}
# Loaded at a random address (ASLR), its data never run (DEP), and no
# compatibility shims on a Remote Desktop host; the 64-bit program's address
# may be anywhere in its space (high-entropy ASLR).
DLL_FLAGS = ["DYNAMIC_BASE", "NX_COMPAT", "TERMINAL_SERVER_AWARE"]
ARCH_DLL_FLAGS = {"x86": [], "amd64": ["HIGH_ENTROPY_VA"]}
ICON_SIZE, ICON_BITS = 32, 8


class Checks:
    def __init__(self):
        self.passed = self.failed = 0

    def expect(self, ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if ok:
            self.passed += 1
        else:
            self.failed += 1


def resources(pe, kind):
    """The data of every resource of one type, in any language."""
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id != kind:
            continue
        for name in entry.directory.entries:
            for lang in name.directory.entries:
                rva, size = lang.data.struct.OffsetToData, lang.data.struct.Size
                yield pe.get_data(rva, size)


def version_strings(pe):
    tables, translations = {}, []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                tables[table.LangID.decode()] = {
                    k.decode(): v.decode() for k, v in table.entries.items()}
        elif info.Key == b"VarFileInfo":
            translations += [v.entry.get(b"Translation") for v in info.Var]
    return tables, translations


def check_headers(checks, pe, arch):
    machine, magic = ARCHES[arch]
    checks.expect(pe.FILE_HEADER.Machine == pefile.MACHINE_TYPE[machine],
                  f"machine {machine}: {pe.FILE_HEADER.Machine:#x}")
    checks.expect(pe.OPTIONAL_HEADER.Magic == magic,
                  f"optional header magic {magic:#x}: {pe.OPTIONAL_HEADER.Magic:#x}")
    checks.expect(pe.OPTIONAL_HEADER.Subsystem == pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
                  f"Windows GUI subsystem: {pe.OPTIONAL_HEADER.Subsystem}")
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    for flag in DLL_FLAGS + ARCH_DLL_FLAGS[arch]:
        bit = pefile.DLL_CHARACTERISTICS["IMAGE_DLLCHARACTERISTICS_" + flag]
        checks.expect(flags & bit == bit, f"{flag}: DllCharacteristics {flags:#x}")
    # A program without relocations is loaded at its fixed address whatever
    # its flags say.
    relocations = pe.OPTIONAL_HEADER.DATA_DIRECTORY[
        pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_BASERELOC"]]
    checks.expect(relocations.Size > 0, f"relocations for ASLR: {relocations.Size} bytes")
    dlls = sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT)
    checks.expect(set(dlls) <= SYSTEM_DLLS, "imports only Windows' own DLLs: " + " ".join(dlls))


def check_version(checks, pe, version_text):
    fixed = pe.VS_FIXEDFILEINFO[0]
    numbers = (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
               fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF)
    product = (fixed.ProductVersionMS >> 16, fixed.ProductVersionMS & 0xFFFF,
               fixed.ProductVersionLS >> 16, fixed.ProductVersionLS & 0xFFFF)
    # "1.00" is 1,0,0,0 in numbers.
    major, minor = (int(part) for part in version_text.split("."))
    checks.expect(numbers == (major, minor, 0, 0) and product == numbers,
                  f"FILEVERSION {numbers}, PRODUCTVERSION {product}")
    tables, translations = version_strings(pe)
    strings = tables.get("040904B0", tables.get("040904b0", {}))
    checks.expect(bool(strings), "string block 040904B0: " + ", ".join(tables))
    for key in ("FileVersion", "ProductVersion"):
        checks.expect(strings.get(key) == version_text, f"{key}: {strings.get(key)!r}")
    for key in ("CompanyName", "ProductName", "FileDescription", "InternalName",
                "OriginalFilename"):
        checks.expect(bool(strings.get(key)), f"{key}: {strings.get(key)!r}")
    checks.expect(translations == ["0x0409 0x04b0"], f"Translation: {translations}")


def check_icon(checks, pe):
    groups = list(resources(pe, RT_GROUP_ICON))
    checks.expect(len(groups) == 1, f"one icon group: {len(groups)}")
    if not groups:
        return
    _, kind, count = struct.unpack_from("<HHH", groups[0])
    entries = [struct.unpack_from("<BBBBHHIH", groups[0], 6 + 14 * i) for i in range(count)]
    checks.expect(kind == 1 and count == 1, f"icon group of {count} image(s)")
    width, height, _, _, _, bits, _, _ = entries[0]
    checks.expect((width, height, bits) == (ICON_SIZE, ICON_SIZE, ICON_BITS),
                  f"icon entry {width}x{height}, {bits} bits")
    images = list(resources(pe, RT_ICON))
    header = struct.unpack_from("<IiiHHI", images[0]) if images else None
    # A classic icon image: a BITMAPINFOHEADER, twice as high for its mask.
    checks.expect(header is not None and header[:5] == (40, ICON_SIZE, 2 * ICON_SIZE, 1, ICON_BITS)
                  and header[5] == 0,
                  f"icon image is a {ICON_SIZE}x{ICON_SIZE} 256-colour bitmap: {header}")


def check_manifest(checks, pe, arch):
    manifests = [m.decode("utf-8") for m in resources(pe, RT_MANIFEST)]
    text = manifests[0] if manifests else ""
    checks.expect(f'processorArchitecture="{arch}"' in text, f"manifest: processor {arch}")
    checks.expect("<dpiAware" in text and "true/pm" in text, "manifest: dpiAware true/pm")
    checks.expect("PerMonitorV2" in text, "manifest: dpiAwareness PerMonitorV2")


def main(argv):
    path, version_text, arch = argv[1], argv[2], argv[3]
    pe = pefile.PE(path)
    checks = Checks()
    check_headers(checks, pe, arch)
    check_version(checks, pe, version_text)
    check_icon(checks, pe)
    check_manifest(checks, pe, arch)
    print(f"check_pe: {checks.passed} passed, {checks.failed} failed")
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
