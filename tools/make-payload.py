#!/usr/bin/env python3
"""Writes the installer's payload archive from the stand-in product, or checks another archive.

  make-payload.py write OUT PRODUCT_NAME BIN_DIR SOURCE_DIR
  make-payload.py check ARCHIVE PRODUCT_NAME

The archive is built by hand so that every byte is fixed by the inputs: fixed DOS stamps and NTFS
times, names in the installer's code page (GBK), one Unicode Path field for the one non-ASCII
name. `check` accepts an archive only when the installer can extract it and start its product.
"""
import struct
import sys
import zlib

# (archive name or None for the product, input file, external attributes, deflate level,
#  NTFS times in the central header, DOS stamp (year, month, day, hour, minute, second))
ENTRIES = [
    ("morvane-core.dll", "bin:morvane-core.dll", 0x20, 6, True, (2019, 3, 14, 10, 22, 8)),
    ("morvane-helper.exe", "bin:morvane-helper.exe", 0x20, 6, True, (2019, 3, 14, 10, 23, 40)),
    ("settings.ini", "src:settings.ini", 0x20, 9, False, (2017, 12, 18, 16, 57, 30)),
    ("share/", None, 0x10, None, False, (2016, 5, 2, 9, 0, 0)),
    ("share/defaults.cfg", "src:share/defaults.cfg", 0x20, 6, True, (2016, 5, 2, 9, 1, 12)),
    ("morvane-ui.dll", "bin:morvane-ui.dll", 0x21, 6, True, (2018, 8, 30, 21, 4, 56)),
    (None, "bin:morvane-product.exe", 0x20, 6, True, (2020, 1, 6, 12, 30, 0)),
    ("morvane-net.dll", "bin:morvane-net.dll", 0x20, 6, True, (2013, 11, 20, 7, 45, 18)),
    ("morvane-data.dll", "bin:morvane-data.dll", 0x20, 6, True, (2015, 6, 1, 18, 0, 2)),
]

LOCAL = 0x04034B50
CENTRAL = 0x02014B50
END = 0x06054B50
VERSION = 20  # 2.0, made on host system 0 (MS-DOS/FAT)


def dos_stamp(year, month, day, hour, minute, second):
    date = (year - 1980) << 9 | month << 5 | day
    time = hour << 11 | minute << 5 | second // 2
    return date, time


def file_time(year, month, day, hour, minute, second):
    """The same instant as a Windows file time, the DOS fields taken as UTC."""
    import datetime
    instant = datetime.datetime(year, month, day, hour, minute, second, tzinfo=datetime.timezone.utc)
    epoch = datetime.datetime(1601, 1, 1, tzinfo=datetime.timezone.utc)
    return int((instant - epoch).total_seconds()) * 10_000_000


def ntfs_field(stamp):
    t = file_time(*stamp)
    data = struct.pack("<IHHQQQ", 0, 1, 24, t, t, t)
    return struct.pack("<HH", 0x000A, len(data)) + data


def unicode_path_field(stored_name, utf8_name):
    data = struct.pack("<BI", 1, zlib.crc32(stored_name)) + utf8_name
    return struct.pack("<HH", 0x7075, len(data)) + data


def deflate(data, level):
    packer = zlib.compressobj(level, zlib.DEFLATED, -15, 8)
    return packer.compress(data) + packer.flush()


def read_input(origin, bin_dir, source_dir):
    where, name = origin.split(":", 1)
    with open(f"{bin_dir if where == 'bin' else source_dir}/{name}", "rb") as f:
        return f.read()


def write(out, product_name, bin_dir, source_dir):
    local_part, central_part = bytearray(), bytearray()
    for name, origin, external, level, ntfs, stamp in ENTRIES:
        local_extra = b""
        if name is None:
            name_text = product_name + ".exe"
            stored_name = name_text.encode("gbk")
            local_extra = unicode_path_field(stored_name, name_text.encode("utf-8"))
        else:
            stored_name = name.encode("ascii")
        data = b"" if origin is None else read_input(origin, bin_dir, source_dir)
        if level is None:
            method, flags, packed = 0, 0, data
        else:
            method, flags, packed = 8, (2 if level == 9 else 0), deflate(data, level)
        crc = zlib.crc32(data)
        date, time = dos_stamp(*stamp)
        central_extra = local_extra + (ntfs_field(stamp) if ntfs else b"")
        offset = len(local_part)
        local_part += struct.pack("<IHHHHHIIIHH", LOCAL, VERSION, flags, method, time, date, crc,
                                  len(packed), len(data), len(stored_name), len(local_extra))
        local_part += stored_name + local_extra + packed
        central_part += struct.pack("<IHHHHHHIIIHHHHHII", CENTRAL, VERSION, VERSION, flags, method,
                                    time, date, crc, len(packed), len(data), len(stored_name),
                                    len(central_extra), 0, 0, 0, external, offset)
        central_part += stored_name + central_extra
    end = struct.pack("<IHHHHIIH", END, 0, 0, len(ENTRIES), len(ENTRIES), len(central_part),
                      len(local_part), 0)
    with open(out, "wb") as f:
        f.write(bytes(local_part + central_part + end))


def check(archive, product_name):
    """The reasons the installer could not use `archive`, empty when it can."""
    with open(archive, "rb") as f:
        data = f.read()
    if len(data) < 32 or data[:4] != b"PK\x03\x04" or struct.unpack_from("<i", data, 24)[0] < 1:
        return ["it does not begin with a ZIP local header the installer accepts"]
    at = data.rfind(struct.pack("<I", END), max(0, len(data) - 65557))
    if at < 0 or len(data) - at < 22:
        return ["it has no end-of-central-directory record"]
    _, disk, cd_disk, here, total, size, start, _ = struct.unpack_from("<IHHHHIIH", data, at)
    if disk or cd_disk or here != total:
        return ["it spans several disks"]
    wanted = {(product_name + ".exe").encode("gbk"), (product_name + ".exe").encode("utf-8")}
    position = start
    for _ in range(total):
        if data[position:position + 4] != struct.pack("<I", CENTRAL):
            return ["its central directory is damaged"]
        name_length, extra_length, comment_length = struct.unpack_from("<HHH", data, position + 28)
        name = data[position + 46:position + 46 + name_length]
        if name in wanted:
            return []
        position += 46 + name_length + extra_length + comment_length
    return [f"it has no root entry named {product_name}.exe"]


def main(argv):
    if len(argv) == 6 and argv[1] == "write":
        write(argv[2], argv[3], argv[4], argv[5])
        return 0
    if len(argv) == 4 and argv[1] == "check":
        problems = check(argv[2], argv[3])
        for problem in problems:
            print(f"{argv[2]} cannot be the payload: {problem}", file=sys.stderr)
        return 1 if problems else 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
