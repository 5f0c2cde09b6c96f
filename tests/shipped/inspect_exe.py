#!/usr/bin/env python3
"""Checks a built Pelmora.exe as users get it, without running it.

    inspect_exe.py EXE 32|64

The PE header (machine, GUI subsystem), the imports (Windows system DLLs
only, no wide-character function that takes text), and the resources: the
icon group "A" with its 13 images, the version record, and nothing else.
Prints the file's size; exits 1 listing every fault found.
"""
import os
import struct
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "msvcrt.dll", "gdi32.dll", "advapi32.dll",
               "shell32.dll", "comctl32.dll", "ole32.dll"}
# Wide-character functions that take no text at all are harmless.
TEXTLESS_W = {"wcslen"}

ICON_TABLE = [  # (size, bits per pixel, stored as PNG)
    (32, 4, False), (16, 4, False), (48, 8, False), (32, 8, False), (16, 8, False),
    (256, 32, True), (64, 32, False), (48, 32, False), (40, 32, False), (32, 32, False),
    (24, 32, False), (20, 32, False), (16, 32, False)]

VERSION_STRINGS = [
    ("CompanyName", None), ("FileVersion", ""), ("FileDescription", "Pelmora"),
    ("InternalName", ""), ("LegalCopyright", None), ("LegalTrademarks", ""),
    ("OriginalFilename", "Pelmora_v2_2"), ("ProductName", "Pelmora"),
    ("ProductVersion", "v.2.2")]

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16

faults = []


def fault(text):
    faults.append(text)


class Pe:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise SystemExit("not a PE file")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from("<H", data, opt)[0]
        self.subsystem = struct.unpack_from("<H", data, opt + 68)[0]
        directories = opt + (96 if self.magic == 0x10B else 112)
        self.dirs = [struct.unpack_from("<II", data, directories + 8 * k) for k in range(16)]
        self.sections = []
        table = opt + optional_size
        for k in range(sections):
            _, vsize, vaddr, rsize, raddr = struct.unpack_from("<8sIIII", data, table + 40 * k)
            self.sections.append((vaddr, max(vsize, rsize), raddr))

    def at(self, rva):
        for vaddr, size, raddr in self.sections:
            if vaddr <= rva < vaddr + size:
                return rva - vaddr + raddr
        raise ValueError("RVA %x outside every section" % rva)

    def cstring(self, rva):
        start = self.at(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("latin-1")

    def imports(self):
        rva, _ = self.dirs[1]
        pointer = 8 if self.magic == 0x20B else 4
        ordinal_flag = 1 << (pointer * 8 - 1)
        result = {}
        while rva:
            lookup, _, _, name, thunks = struct.unpack_from("<IIIII", self.data, self.at(rva))
            if name == 0:
                break
            functions = []
            entry = lookup or thunks
            while True:
                value = struct.unpack_from("<Q" if pointer == 8 else "<I", self.data, self.at(entry))[0]
                if value == 0:
                    break
                functions.append("#%d" % (value & 0xFFFF) if value & ordinal_flag
                                 else self.cstring((value & 0x7FFFFFFF) + 2))
                entry += pointer
            result[self.cstring(name)] = functions
            rva += 20
        return result

    def resources(self):
        """{(type, name, language): bytes}; names are ints or strings."""
        base_rva, _ = self.dirs[2]
        base = self.at(base_rva)
        out = {}

        def read_dir(offset, path):
            _, _, _, _, named, ids = struct.unpack_from("<IIHHHH", self.data, base + offset)
            for k in range(named + ids):
                key, target = struct.unpack_from("<II", self.data, base + offset + 16 + 8 * k)
                if key & 0x80000000:
                    at = base + (key & 0x7FFFFFFF)
                    length = struct.unpack_from("<H", self.data, at)[0]
                    key = self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
                if target & 0x80000000:
                    read_dir(target & 0x7FFFFFFF, path + [key])
                else:
                    rva, size, _, _ = struct.unpack_from("<IIII", self.data, base + target)
                    start = self.at(rva)
                    out[tuple(path + [key])] = self.data[start:start + size]
        read_dir(0, [])
        return out


def check_header(pe, bits):
    want_magic, want_machine = (0x10B, 0x14C) if bits == 32 else (0x20B, 0x8664)
    if pe.magic != want_magic or pe.machine != want_machine:
        fault("not a %d-bit executable (magic %x, machine %x)" % (bits, pe.magic, pe.machine))
    if pe.subsystem != 2:
        fault("subsystem %d, not the Windows GUI (2)" % pe.subsystem)


def check_imports(pe):
    for dll, functions in sorted(pe.imports().items()):
        if dll.lower() not in SYSTEM_DLLS:
            fault("imports %s, which is not a Windows system DLL" % dll)
        for function in functions:
            if function.endswith("W") and function not in TEXTLESS_W:
                fault("imports the wide-character %s!%s" % (dll, function))


def check_icons(resources):
    groups = {k: v for k, v in resources.items() if k[0] == RT_GROUP_ICON}
    if list(groups) != [(RT_GROUP_ICON, "A", 1033)]:
        fault("icon groups %s, not the one group \"A\" in language 1033" % list(groups))
        return
    group = groups[(RT_GROUP_ICON, "A", 1033)]
    _, kind, count = struct.unpack_from("<HHH", group, 0)
    if kind != 1 or count != len(ICON_TABLE):
        fault("icon group holds %d images, not %d" % (count, len(ICON_TABLE)))
        return
    for k, (size, bpp, is_png) in enumerate(ICON_TABLE):
        width, height, _, _, _, bits, length, icon_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * k)
        where = "icon image %d" % (k + 1)
        if icon_id != k + 1:
            fault("%s is icon resource %d" % (where, icon_id))
        if (width or 256, height or 256, bits) != (size, size, bpp):
            fault("%s is %dx%d at %d bits, not %dx%d at %d" % (where, width or 256, height or 256,
                                                               bits, size, size, bpp))
        image = resources.get((RT_ICON, icon_id, 1033))
        if image is None or len(image) != length:
            fault("%s is missing or of the wrong length" % where)
            continue
        if is_png != image.startswith(b"\x89PNG"):
            fault("%s should %sbe a PNG image" % (where, "" if is_png else "not "))
        if not is_png:
            header, w, h, _, bmp_bits = struct.unpack_from("<IiiHH", image, 0)
            if (header, w, h, bmp_bits) != (40, size, 2 * size, bpp):
                fault("%s is not a %d-bit %dx%d bitmap with its mask" % (where, bpp, size, size))


def walk_version(block, offset=0):
    """Parses one VS_VERSIONINFO node: (key, value bytes, children, end)."""
    length, value_length, kind = struct.unpack_from("<HHH", block, offset)
    end = offset + length
    at = offset + 6
    key_end = at
    while block[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = block[at:key_end].decode("utf-16-le")
    at = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if kind == 1 else value_length
    value = block[at:at + value_size]
    at = (at + value_size + 3) & ~3
    children = []
    while at < end:
        child = walk_version(block, at)
        children.append(child)
        at = (child[3] + 3) & ~3
    return key, value, children, end


def check_version(resources):
    record = resources.get((RT_VERSION, 1, 1033))
    if record is None:
        fault("no version record 1 in language 1033")
        return
    key, fixed, children, _ = walk_version(record)
    fields = struct.unpack_from("<13I", fixed, 0)
    file_version = (fields[2] >> 16, fields[2] & 0xFFFF, fields[3] >> 16, fields[3] & 0xFFFF)
    product_version = (fields[4] >> 16, fields[4] & 0xFFFF, fields[5] >> 16, fields[5] & 0xFFFF)
    if file_version != (2, 2, 1, 1) or product_version != (2, 2, 1, 1):
        fault("versions %s and %s, not 2.2.1.1" % (file_version, product_version))
    if fields[6:13] != (0, 0, 0, 1, 0, 0, 0):
        fault("fixed fields (mask, flags, os, type, subtype, date) are %s" % (fields[6:13],))
    info = {c[0]: c for c in children}
    tables = info.get("StringFileInfo", (None, None, [], 0))[2]
    if [t[0] for t in tables] != ["041504E4"]:
        fault("string tables %s, not the one table 041504E4" % [t[0] for t in tables])
    else:
        strings = [(c[0], c[1].decode("utf-16-le").rstrip("\0")) for c in tables[0][2]]
        if [s[0] for s in strings] != [s[0] for s in VERSION_STRINGS]:
            fault("version strings in the order %s" % [s[0] for s in strings])
        for (name, value), (want_name, want) in zip(strings, VERSION_STRINGS):
            if want is not None and value != want:
                fault("%s is %r, not %r" % (name, value, want))
            if want is None and not value:
                fault("%s is empty" % name)
    translation = info.get("VarFileInfo", (None, None, [], 0))[2]
    if not translation or translation[0][1] != struct.pack("<HH", 0x0415, 0x04E4):
        fault("the translation is not 0x0415, 0x04E4")


def main():
    path, bits = sys.argv[1], int(sys.argv[2])
    with open(path, "rb") as f:
        pe = Pe(f.read())
    check_header(pe, bits)
    check_imports(pe)
    resources = pe.resources()
    kinds = sorted({k[0] for k in resources})
    if kinds != [RT_ICON, RT_GROUP_ICON, RT_VERSION]:
        fault("resource types %s, not only icons, the icon group and the version" % kinds)
    check_icons(resources)
    check_version(resources)
    print("%s: %d bytes" % (path, os.path.getsize(path)))
    for text in faults:
        print("FAULT: " + text)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
