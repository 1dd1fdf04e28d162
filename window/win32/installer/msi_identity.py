#!/usr/bin/env python3
"""Makes a package that wixl wrote depend on its content alone.

Usage: msi_identity.py PACKAGE.msi [SECONDS]

wixl stamps the summary information with the time of the build and a random
package code, and the cabinet with the program file's time; none of it can
be set. This rewrites them in place, in the package's compound file, without
changing any length: the times become SECONDS since 1970 (UTC), when given, and
the package code a GUID made from the SHA-256 of the package with its code
blanked, so that one content has one code and another content another.
Standard library only.
"""
import datetime
import hashlib
import os
import struct
import sys
import uuid

SIGNATURE = bytes.fromhex("d0cf11e0a1b11ae1")
FREE, END_OF_CHAIN = 0xFFFFFFFF, 0xFFFFFFFE
SUMMARY = "\x05SummaryInformation"
PID_REVNUMBER, VT_LPSTR, VT_FILETIME = 9, 30, 64
BLANK_CODE = "{00000000-0000-0000-0000-000000000000}"
FILETIME_EPOCH = 11644473600  # 1601-01-01 to 1970-01-01, in seconds


class CompoundFile:
    """The streams of a compound file, by name, as pieces of the file."""

    def __init__(self, data):
        if data[:8] != SIGNATURE:
            sys.exit("not a compound file")
        self.data = data
        self.sector = 1 << struct.unpack_from("<H", data, 0x1E)[0]
        self.mini = 1 << struct.unpack_from("<H", data, 0x20)[0]
        (directory, self.cutoff, minifat, minifat_count, difat, difat_count) = \
            struct.unpack_from("<I4xIIIII", data, 0x30)
        fat_sectors = list(struct.unpack_from("<109I", data, 0x4C))
        per_sector = self.sector // 4
        for _ in range(difat_count):
            entries = struct.unpack_from(f"<{per_sector}I", data, self.offset(difat))
            fat_sectors += entries[:-1]
            difat = entries[-1]
        self.fat = []
        for sector in fat_sectors:
            if sector != FREE:
                self.fat += struct.unpack_from(f"<{per_sector}I", data, self.offset(sector))
        self.minifat = []
        for sector in self.chain(minifat)[:minifat_count]:
            self.minifat += struct.unpack_from(f"<{per_sector}I", data, self.offset(sector))
        self.entries = {}
        for sector in self.chain(directory):
            for start in range(self.offset(sector), self.offset(sector) + self.sector, 128):
                length, kind = struct.unpack_from("<HB", data, start + 64)
                first, size = struct.unpack_from("<IQ", data, start + 116)
                if kind:
                    name = data[start:start + max(length - 2, 0)].decode("utf-16-le")
                    self.entries.setdefault(name, (kind, first, size))
        _, root_first, _ = next(e for e in self.entries.values() if e[0] == 5)
        self.mini_stream = self.chain(root_first)

    def offset(self, sector):
        return (sector + 1) * self.sector

    def chain(self, first, table=None):
        table = self.fat if table is None else table
        sectors = []
        while first not in (FREE, END_OF_CHAIN) and len(sectors) <= len(table):
            sectors.append(first)
            first = table[first]
        return sectors

    def streams(self):
        return [name for name, (kind, _, _) in self.entries.items() if kind == 2]

    def pieces(self, name):
        """(offset, length) of each piece of the stream, in order."""
        _, first, size = self.entries[name]
        if size < self.cutoff:
            per = self.sector // self.mini
            starts = [self.offset(self.mini_stream[m // per]) + (m % per) * self.mini
                      for m in self.chain(first, self.minifat)]
            unit = self.mini
        else:
            starts = [self.offset(s) for s in self.chain(first)]
            unit = self.sector
        out = []
        for start in starts:
            length = min(unit, size)
            out.append((start, length))
            size -= length
        return out

    def read(self, name):
        return b"".join(self.data[o:o + n] for o, n in self.pieces(name))

    def write(self, name, stream):
        at = 0
        for o, n in self.pieces(name):
            self.data[o:o + n] = stream[at:at + n]
            at += n


def set_summary(stream, epoch, code):
    """The summary information with its times and its package code replaced."""
    stream = bytearray(stream)
    section = struct.unpack_from("<I", stream, 44)[0]
    count = struct.unpack_from("<I", stream, section + 4)[0]
    for i in range(count):
        pid, at = struct.unpack_from("<II", stream, section + 8 + 8 * i)
        at += section
        kind = struct.unpack_from("<I", stream, at)[0]
        if kind == VT_FILETIME and epoch is not None:
            struct.pack_into("<Q", stream, at + 4, (epoch + FILETIME_EPOCH) * 10_000_000)
        elif pid == PID_REVNUMBER and kind == VT_LPSTR:
            length = struct.unpack_from("<I", stream, at + 4)[0]
            if length != len(code) + 1:
                sys.exit(f"the package code has {length - 1} characters, not {len(code)}")
            stream[at + 8:at + 8 + len(code)] = code.encode("ascii")
    return bytes(stream)


def set_cabinet_times(cabinet, epoch):
    """The cabinet with every file's date and time (DOS format, UTC) replaced."""
    cabinet = bytearray(cabinet)
    moment = datetime.datetime.fromtimestamp(epoch, datetime.timezone.utc)
    date = (moment.year - 1980) << 9 | moment.month << 5 | moment.day
    time = moment.hour << 11 | moment.minute << 5 | moment.second // 2
    files, count, flags = struct.unpack_from("<I6xHH", cabinet, 16)
    if flags & 4:
        sys.exit("a cabinet with reserved fields is not handled")
    at = files
    for _ in range(count):
        struct.pack_into("<HH", cabinet, at + 10, date, time)
        at = cabinet.index(b"\0", at + 16) + 1
    return bytes(cabinet)


def main(path, epoch=None):
    with open(path, "rb") as f:
        package = CompoundFile(bytearray(f.read()))
    if epoch is not None:
        for name in package.streams():
            stream = package.read(name)
            if stream[:4] == b"MSCF":
                package.write(name, set_cabinet_times(stream, epoch))
    summary = package.read(SUMMARY)
    package.write(SUMMARY, set_summary(summary, epoch, BLANK_CODE))
    digest = hashlib.sha256(package.data).digest()
    # In the form of a random GUID, as wixl's are.
    code = "{" + str(uuid.UUID(bytes=digest[:16], version=4)).upper() + "}"
    package.write(SUMMARY, set_summary(summary, epoch, code))
    with open(path + ".tmp", "wb") as f:
        f.write(package.data)
    os.replace(path + ".tmp", path)


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else None)
