"""Checks the generated files against the formats the program loads: DDS FourCC, size and a single
level, PNG 8-bit RGBA at 88 x 33, icon sizes at 32 bits, cursor type and hot spot, toolbar bitmap.

Usage: check_images.py IMAGES_DIR. Prints one line per file and exits non-zero on the first mismatch.
"""
import struct
import sys

DDS = {
    "character_page.dds": (b"DXT1", 1024, 1024),
    "atlas.dds": (b"DXT5", 1024, 1024),
    "main_page.dds": (b"DXT1", 2048, 1024),
    "items_page.dds": (b"DXT1", 1024, 1024),
    "cell.dds": (b"DXT1", 512, 512),
}
LOGOS = ["logo_normal.png", "logo_pressed.png", "logo_hover.png"]
ICON_SIZES = [256, 128, 96, 72, 64, 48, 32, 24, 16]


def fail(name, why):
    sys.exit(f"{name}: {why}")


def check_dds(folder, name, fourcc, width, height):
    data = open(f"{folder}/{name}", "rb").read()
    if data[:4] != b"DDS " or struct.unpack_from("<I", data, 4)[0] != 124:
        fail(name, "not a DDS file")
    h, w = struct.unpack_from("<II", data, 12)
    mips = struct.unpack_from("<I", data, 28)[0]
    if data[84:88] != fourcc:
        fail(name, f"FourCC {data[84:88]!r}, expected {fourcc!r}")
    if (w, h) != (width, height):
        fail(name, f"{w} x {h}, expected {width} x {height}")
    if mips > 1:
        fail(name, f"{mips} mipmap levels")
    block = 8 if fourcc == b"DXT1" else 16
    if len(data) != 128 + (w // 4) * (h // 4) * block:
        fail(name, f"{len(data)} bytes, not one level of {w} x {h}")
    print(f"{name}: {fourcc.decode()} {w} x {h}, one level")


def check_png(folder, name):
    data = open(f"{folder}/{name}", "rb").read()
    w, h, depth, colour = struct.unpack_from(">IIBB", data, 16)
    if data[:8] != b"\x89PNG\r\n\x1a\n" or (w, h, depth, colour) != (88, 33, 8, 6):
        fail(name, f"PNG {w} x {h} depth {depth} colour type {colour}, expected 88 x 33 8-bit RGBA")
    print(f"{name}: PNG 88 x 33, 8-bit RGBA")


def read_directory(folder, name, resource_type):
    data = open(f"{folder}/{name}", "rb").read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != resource_type:
        fail(name, f"resource type {kind}, expected {resource_type}")
    entries = [struct.unpack_from("<BBBBHHII", data, 6 + 16 * i) for i in range(count)]
    return data, entries


def check_icon(folder, name):
    data, entries = read_directory(folder, name, 1)
    sizes = []
    for w, h, _, _, planes, bits, length, offset in entries:
        size = w or 256
        image = data[offset:offset + length]
        if bits != 32 or (not image.startswith(b"\x89PNG") and struct.unpack_from("<H", image, 14)[0] != 32):
            fail(name, f"{size} image is not 32-bit")
        sizes.append(size)
    if sizes != ICON_SIZES:
        fail(name, f"sizes {sizes}, expected {ICON_SIZES}")
    print(f"{name}: icon, 32-bit images {sizes}")


def check_cursor(folder, name):
    data, entries = read_directory(folder, name, 2)
    if len(entries) != 1:
        fail(name, f"{len(entries)} images, expected 1")
    w, h, _, _, hot_x, hot_y, length, offset = entries[0]
    bits = struct.unpack_from("<H", data, offset + 14)[0]
    if (w, h, hot_x, hot_y, bits) != (32, 32, 0, 0, 32):
        fail(name, f"{w} x {h} hot spot ({hot_x}, {hot_y}) {bits}-bit, expected 32 x 32 (0, 0) 32-bit")
    print(f"{name}: cursor 32 x 32, 32-bit, hot spot (0, 0)")


def check_toolbar(folder, name):
    data = open(f"{folder}/{name}", "rb").read()
    w, h, _, bits = struct.unpack_from("<iiHH", data, 18)
    if data[:2] != b"BM" or (w, h, bits) != (80, 15, 24):
        fail(name, f"{w} x {h} {bits}-bit, expected 80 x 15 24-bit")
    print(f"{name}: bitmap 80 x 15, 24-bit")


def main():
    folder = sys.argv[1]
    for name, (fourcc, w, h) in DDS.items():
        check_dds(folder, name, fourcc, w, h)
    for name in LOGOS:
        check_png(folder, name)
    check_icon(folder, "quillmark.ico")
    check_cursor(folder, "blade.cur")
    check_toolbar(folder, "toolbar.bmp")


main()
