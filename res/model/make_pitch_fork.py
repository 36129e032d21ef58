#!/usr/bin/env python3
"""Writes the items page's model: a pitch fork lying along the x axis (tines to the left, shaft to
the right), as meshes/pitch_fork.obj, its material library meshes/pitch_fork (no extension) and
two uncompressed DDS textures in textures/. Standard library only; the output is the same on
every run. Usage: make_pitch_fork.py OUT_DIR   (the committed copy lives beside this script)."""

import math
import os
import random
import struct
import sys

SIDES = 16

# Materials in the order the model first uses them; material 0 ("default", the iron bands) has no
# texture, the socket and the tines share one.
LIBRARY = """# Pitch fork materials. Texture names carry no extension: the program adds ".dds".
newmtl shaft
Ka 0.20 0.16 0.10
Kd 0.85 0.68 0.45
Ks 0.10 0.10 0.10
Ns 8
illum 1
map_Kd ash_wood

newmtl socket
Ka 0.20 0.20 0.20
Kd 0.60 0.60 0.62
Ks 0.60 0.60 0.60
Ns 48
illum 2
map_Kd forged_iron

newmtl tines
Ka 0.20 0.20 0.20
Kd 0.65 0.65 0.68
Ks 0.70 0.70 0.70
Ns 64
illum 2
map_Kd forged_iron
"""


class Obj:
    """OBJ lists with 1-based references; faces are written as triangles."""

    def __init__(self):
        self.lines = ["# Pitch fork for the items page, written by make_pitch_fork.py", "mtllib pitch_fork.mtl"]
        self.positions = 0
        self.coordinates = 0
        self.normals = 0

    def position(self, p):
        self.lines.append("v %.5f %.5f %.5f" % p)
        self.positions += 1
        return self.positions

    def coordinate(self, u, v):
        self.lines.append("vt %.5f %.5f" % (u, v))
        self.coordinates += 1
        return self.coordinates

    def normal(self, n):
        self.lines.append("vn %.5f %.5f %.5f" % n)
        self.normals += 1
        return self.normals

    def triangle(self, a, b, c):
        self.lines.append("f " + " ".join(ref(r) for r in (a, b, c)))

    def use(self, material):
        self.lines.append("usemtl " + material)

    def text(self):
        return "\n".join(self.lines) + "\n"


def ref(r):
    p, t, n = r
    return "%d//%d" % (p, n) if t is None else "%d/%d/%d" % (p, t, n)


def sub(a, b):
    return tuple(x - y for x, y in zip(a, b))


def add(a, b):
    return tuple(x + y for x, y in zip(a, b))


def scale(a, s):
    return tuple(x * s for x in a)


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def unit(a):
    length = math.sqrt(sum(x * x for x in a))
    return scale(a, 1.0 / length)


def tube(obj, path, radii, textured, u_scale=1.0):
    """A closed tube along `path` with a radius per point, smooth normals and flat end caps. Each
    ring's positions are written once; the seam's two texture coordinates share them."""
    rings = []
    length = 0.0
    for i, (point, radius) in enumerate(zip(path, radii)):
        if i:
            length += math.dist(path[i - 1], point)
        tangent = unit(sub(path[min(i + 1, len(path) - 1)], path[max(i - 1, 0)]))
        reference = (1.0, 0.0, 0.0) if abs(tangent[0]) < 0.9 else (0.0, 0.0, 1.0)
        across = unit(cross(tangent, reference))
        other = cross(tangent, across)
        ring = []
        for k in range(SIDES):
            angle = 2.0 * math.pi * k / SIDES
            direction = add(scale(across, math.cos(angle)), scale(other, math.sin(angle)))
            ring.append((obj.position(add(point, scale(direction, radius))), obj.normal(direction)))
        coordinates = [obj.coordinate(length * u_scale, k / SIDES) for k in range(SIDES + 1)] if textured else None
        rings.append((ring, coordinates))
    for (ring_a, uv_a), (ring_b, uv_b) in zip(rings, rings[1:]):
        for k in range(SIDES):
            k1 = (k + 1) % SIDES

            def corner(ring, uvs, j, column):
                return (ring[j][0], uvs[column] if uvs else None, ring[j][1])

            a = corner(ring_a, uv_a, k, k)
            b = corner(ring_b, uv_b, k, k)
            c = corner(ring_b, uv_b, k1, k + 1)
            d = corner(ring_a, uv_a, k1, k + 1)
            obj.triangle(a, c, b)
            obj.triangle(a, d, c)
    for end, sign in ((0, -1.0), (len(path) - 1, 1.0)):
        ring, _ = rings[end]
        tangent = unit(sub(path[-1], path[-2])) if end else unit(sub(path[1], path[0]))
        normal = obj.normal(scale(tangent, sign))
        centre_uv = obj.coordinate(0.5, 0.5) if textured else None
        centre = (obj.position(path[end]), centre_uv, normal)
        rim = [None] * SIDES
        if textured:
            rim = [obj.coordinate(0.5 + 0.5 * math.cos(2 * math.pi * k / SIDES),
                                  0.5 + 0.5 * math.sin(2 * math.pi * k / SIDES)) for k in range(SIDES)]
        for k in range(SIDES):
            k1 = (k + 1) % SIDES
            a = (ring[k][0], rim[k], normal)
            b = (ring[k1][0], rim[k1], normal)
            obj.triangle(centre, a, b) if sign > 0 else obj.triangle(centre, b, a)


def straight(x0, x1, steps):
    return [(x0 + (x1 - x0) * i / steps, 0.0, 0.0) for i in range(steps + 1)]


def build_model():
    obj = Obj()
    # Iron bands (material 0, untextured): where the socket grips the shaft and near the end.
    tube(obj, straight(-1.06, -0.96, 1), [0.058, 0.058], False)
    tube(obj, straight(0.60, 0.65, 1), [0.051, 0.051], False)
    # Ash shaft with a rounded end.
    path = straight(-1.00, 0.74, 8) + [(0.78, 0, 0), (0.81, 0, 0), (0.83, 0, 0), (0.84, 0, 0)]
    radii = [0.044 + 0.004 * i / 8 for i in range(9)] + [0.046, 0.038, 0.026, 0.010]
    obj.use("shaft")
    tube(obj, path, radii, True, u_scale=0.6)
    # Socket and bow: the socket narrows from the shaft to the bow that carries the tines.
    obj.use("socket")
    tube(obj, straight(-1.42, -1.00, 4), [0.032, 0.036, 0.041, 0.047, 0.050], True, u_scale=1.5)
    bow = []
    for i in range(13):
        y = -0.27 + 0.54 * i / 12
        bow.append((-1.42 + 0.9 * (y * y), y, 0.0))
    tube(obj, bow, [0.026] * len(bow), True, u_scale=2.0)
    # Four tines, curving up out of the bow and tapering to points.
    obj.use("tines")
    for y0 in (-0.24, -0.08, 0.08, 0.24):
        start_x = -1.42 + 0.9 * y0 * y0
        path = []
        radii = []
        for i in range(11):
            t = i / 10
            path.append((start_x + (-2.30 - start_x) * t, y0 * (1.0 + 0.12 * t), 0.16 * t * t))
            radii.append(0.021 * (1.0 - t) + 0.003)
        tube(obj, path, radii, True, u_scale=1.2)
    return obj.text()


def smooth_cell(position, cells, size):
    """The noise cell a pixel lies in and its smoothstepped place inside it."""
    f = position * cells / size
    i = int(f)
    t = f - i
    return i, t * t * (3 - 2 * t)


def value_noise(width, height, cells_x, cells_y, rng):
    """Smooth tileable noise in 0..1 on a width x height grid."""
    grid = [[rng.random() for _ in range(cells_x)] for _ in range(cells_y)]
    out = []
    for y in range(height):
        y0, ty = smooth_cell(y, cells_y, height)
        row = []
        for x in range(width):
            x0, tx = smooth_cell(x, cells_x, width)
            a = grid[y0 % cells_y][x0 % cells_x]
            b = grid[y0 % cells_y][(x0 + 1) % cells_x]
            c = grid[(y0 + 1) % cells_y][x0 % cells_x]
            d = grid[(y0 + 1) % cells_y][(x0 + 1) % cells_x]
            row.append((a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty)
        out.append(row)
    return out


def ash_wood():
    """Pale ash: long grain lines along u (the shaft's length), light enough to show under the
    scene's bronze light."""
    width, height = 256, 64
    rng = random.Random(7)
    warp = value_noise(width, height, 4, 8, rng)
    fine = value_noise(width, height, 64, 32, rng)
    pixels = []
    for y in range(height):
        for x in range(width):
            grain = math.sin(2 * math.pi * (y / height * 9 + warp[y][x] * 1.8))
            shade = 0.80 + 0.12 * grain + 0.08 * (fine[y][x] - 0.5)
            if grain > 0.93:
                shade -= 0.18
            pixels.append(tuple(clamp(c * shade) for c in (255, 224, 172)))
    return width, height, pixels


def forged_iron():
    """Hammered iron: grey with soft dents and darker scale."""
    width = height = 128
    rng = random.Random(11)
    broad = value_noise(width, height, 4, 4, rng)
    dents = value_noise(width, height, 16, 16, rng)
    speck = value_noise(width, height, 64, 64, rng)
    pixels = []
    for y in range(height):
        for x in range(width):
            shade = 0.70 + 0.18 * broad[y][x] + 0.14 * (dents[y][x] - 0.5) + 0.08 * (speck[y][x] - 0.5)
            if broad[y][x] < 0.28:
                shade -= 0.15
            pixels.append(tuple(clamp(c * shade) for c in (236, 238, 244)))
    return width, height, pixels


def clamp(value):
    return max(0, min(255, int(round(value))))


def dds(width, height, pixels):
    """An uncompressed 32-bit X8R8G8B8 DDS with one level."""
    flags = 0x1 | 0x2 | 0x4 | 0x8 | 0x1000  # caps, height, width, pitch, pixel format
    header = struct.pack("<4s7I44x", b"DDS ", 124, flags, height, width, width * 4, 0, 0)
    pixel_format = struct.pack("<8I", 32, 0x40, 0, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0)
    caps = struct.pack("<5I", 0x1000, 0, 0, 0, 0)
    body = bytearray()
    for r, g, b in pixels:
        body += bytes((b, g, r, 255))
    return header + pixel_format + caps + bytes(body)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_pitch_fork.py OUT_DIR")
    out = sys.argv[1]
    os.makedirs(os.path.join(out, "meshes"), exist_ok=True)
    os.makedirs(os.path.join(out, "textures"), exist_ok=True)
    files = {
        "meshes/pitch_fork.obj": build_model().encode("ascii"),
        "meshes/pitch_fork": LIBRARY.encode("ascii"),
        "textures/ash_wood.dds": dds(*ash_wood()),
        "textures/forged_iron.dds": dds(*forged_iron()),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
