"""Packs square RGBA pictures into a Windows .ico (icon group) or .cur (cursor with hot spot (0, 0)).

Usage: write_icon.py icon|cursor OUT PICTURE.png...  Each PICTURE.png has a raw RGBA twin
PICTURE.rgba beside it (written by ImageMagick). Pictures of 256 pixels are stored as PNG, the
others as 32-bit bitmaps with an AND mask. Reads no image format itself.
"""
import struct
import sys


def bitmap_entry(size, rgba):
    """A 32-bit BITMAPINFOHEADER image: colour rows bottom-up in BGRA, then the 1-bit AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        row = rgba[y * size * 4:(y + 1) * size * 4]
        bits = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = row[x * 4:x * 4 + 4]
            colour += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def main():
    kind, out, pictures = sys.argv[1], sys.argv[2], sys.argv[3:]
    images = []
    for path in pictures:
        rgba = open(path[:-4] + ".rgba", "rb").read()
        size = int(round((len(rgba) // 4) ** 0.5))
        if size * size * 4 != len(rgba):
            sys.exit(f"{path}: not a square picture")
        data = open(path, "rb").read() if size >= 256 else bitmap_entry(size, rgba)
        images.append((size, data))
    # For a cursor the two fields after the reserved byte hold the hot spot, (0, 0) here.
    resource_type, planes, bits = (1, 1, 32) if kind == "icon" else (2, 0, 0)
    blob = struct.pack("<HHH", 0, resource_type, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        side = 0 if size >= 256 else size
        blob += struct.pack("<BBBBHHII", side, side, 0, 0, planes, bits, len(data), offset)
        offset += len(data)
    for _, data in images:
        blob += data
    with open(out, "wb") as f:
        f.write(blob)


main()
