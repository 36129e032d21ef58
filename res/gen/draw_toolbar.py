"""Writes the toolbar strip: five 16 x 15 buttons side by side (new file, cut, copy, paste, About)
as a 24-bit bitmap whose magenta pixels are the transparency key.

Usage: draw_toolbar.py OUT.bmp. The pictures are pixel art in the program's palette; each letter of
the grids below is one pixel.
"""
import struct
import sys

PALETTE = {
    ".": (255, 0, 255),   # transparency key
    "k": (46, 26, 12),    # ink
    "w": (250, 244, 228), # light parchment
    "p": (196, 162, 106), # writing on parchment
    "g": (195, 152, 66),  # gold
    "G": (124, 90, 32),   # dark gold
    "l": (240, 212, 136), # light gold
    "r": (142, 42, 26),   # seal red
    "s": (176, 182, 188), # steel
    "S": (92, 98, 106),   # dark steel
    "b": (110, 72, 40),   # leather
}

NEW_FILE = [
    "................",
    "..kkkkkkkk......",
    "..kwwwwwwkk.....",
    "..kwwwwwwkwk....",
    "..kwppppwkkkk...",
    "..kwwwwwwwwwk...",
    "..kwpppppppwk...",
    "..kwwwwwwwwwk...",
    "..kwpppppppwk.l.",
    "..kwwwwwwwwwkllg",
    "..kwppppppwwk.g.",
    "..kwwwwwwwwwk...",
    "..kwwwwwwwwwk...",
    "..kkkkkkkkkkk...",
    "................",
]

CUT = [
    "................",
    "...S........S...",
    "...sS......Ss...",
    "....sS....Ss....",
    ".....sS..Ss.....",
    "......sSSs......",
    ".......Ss.......",
    "......sSSs......",
    "....rrr..rrr....",
    "...r...rr...r...",
    "..r....rr....r..",
    "..r....rr....r..",
    "...r..r..r..r...",
    "....rr....rr....",
    "................",
]

COPY = [
    "................",
    ".kkkkkkk........",
    ".kwwwwwk........",
    ".kwpppwk........",
    ".kwwwwkkkkkkkk..",
    ".kwppkwwwwwwwk..",
    ".kwwwkwppppwwk..",
    ".kwppkwwwwwwwk..",
    ".kwwwkwpppppwk..",
    ".kkkkkwwwwwwwk..",
    ".....kwppppwwk..",
    ".....kwwwwwwwk..",
    ".....kwpppppwk..",
    ".....kkkkkkkkk..",
    "................",
]

PASTE = [
    "......kkkk......",
    "..kkkkkllkkkkk..",
    "..kbbkggggkbbk..",
    "..kbbkkkkkkbbk..",
    "..kbbbbbbbbbbk..",
    "..kbbbkkkkkkkkk.",
    "..kbbbkwwwwwwwk.",
    "..kbbbkwpppppwk.",
    "..kbbbkwwwwwwwk.",
    "..kbbbkwppppwwk.",
    "..kbbbkwwwwwwwk.",
    "..kbbbkwpppppwk.",
    "..kbbbkwwwwwwwk.",
    "..kkkkkkkkkkkkk.",
    "................",
]

ABOUT = [
    "................",
    ".....kkkkkk.....",
    "...kkllllllkk...",
    "..kllllkklllgk..",
    "..kllllkklllgk..",
    ".klllllllllgggk.",
    ".kllllkkklllggk.",
    ".klllllkklllggk.",
    ".kllllgkkgggggk.",
    ".klllggkkgggggk.",
    "..kllgkkkkggGk..",
    "..kgggggggggGk..",
    "...kkggggGGkk...",
    ".....kkkkkk.....",
    "................",
]

BUTTONS = [NEW_FILE, CUT, COPY, PASTE, ABOUT]
WIDTH, HEIGHT = 16 * len(BUTTONS), 15


def pixel(x, y):
    grid = BUTTONS[x // 16]
    return PALETTE[grid[y][x % 16]]


def main():
    for grid in BUTTONS:
        assert len(grid) == HEIGHT and all(len(row) == 16 for row in grid), grid
    stride = (WIDTH * 3 + 3) // 4 * 4
    rows = bytearray()
    for y in reversed(range(HEIGHT)):
        row = bytearray()
        for x in range(WIDTH):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows += row + bytes(stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(rows), 0, 0, 14 + len(header))
    with open(sys.argv[1], "wb") as f:
        f.write(file_header + header + rows)


main()
