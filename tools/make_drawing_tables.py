#!/usr/bin/python3
"""Writes the chart wheel's drawing tables RADIUS.DAT and HCDATA.DAT.

RADIUS.DAT: 361 whole numbers, the radius (wheel drawing units) at which a
planet glyph of the single wheel's ring stands, per whole degree of screen
angle (0 pointing right, counter-clockwise); entry 360 repeats entry 0. The
wheel's per-house ring table gives one radius per house sector, whose seven
4-degree slots start at the house's base angle; the radius is put at the
middle of each sector and interpolated linearly between neighbouring houses.

HCDATA.DAT: 121 whole numbers, the fixed places of the cusp labels of a wheel
whose houses are fixed 30-degree sectors (house 1 starting at the left, at
screen angle 180, the houses following counter-clockwise). For cusp table
entry c (1 = MC, 4 = Ascendant, ...) entries 10(c-1) .. 10(c-1)+9 are five
(x, y) top-left corners: degrees tens digit, degrees units digit, sign glyph,
minutes tens digit, minutes units digit. They follow the rule the wheel uses
for labels that move with their cusps: radius 236 * 0.91984662, a horizontal
line 4 units above and right of the rim point, pulled left by 23 near the
top and bottom and by 49 on the left half, items at -2, 6, 16, 33, 40.
Entry 120 is not used and holds 0.

Usage: tools/make_drawing_tables.py [output folder, default appdata/]
"""
import math
import os
import sys

PI = 3.1415926535

# Single wheel ring, houses 1..12: start angle of the sector, glyph radius.
RING_BASE = (180, 209, 240, 272, 304, 335, 4, 34, 65, 95, 124, 153)
RING_RADIUS = (217, 212, 201, 196, 194, 197, 199, 202, 206, 208, 212, 217)
SLOTS, SLOT_WIDTH = 7, 4.0

LABEL_RADIUS = 236 * 0.91984662
ITEM_OFFSETS = (-2, 6, 16, 33, 40)


def whole(x):
    """Nearest whole number, halves away from zero (no banker's rounding in data)."""
    return int(math.floor(x + 0.5)) if x >= 0 else -int(math.floor(-x + 0.5))


def glyph_radii():
    nodes = sorted(((base + SLOTS * SLOT_WIDTH / 2) % 360, r) for base, r in zip(RING_BASE, RING_RADIUS))
    radii = []
    for degree in range(360):
        # neighbouring nodes around the circle
        below = max((n for n in nodes if n[0] <= degree), default=None)
        above = min((n for n in nodes if n[0] > degree), default=None)
        if below is None:
            below = (nodes[-1][0] - 360, nodes[-1][1])
        if above is None:
            above = (nodes[0][0] + 360, nodes[0][1])
        t = (degree - below[0]) / (above[0] - below[0])
        radii.append(whole(below[1] + t * (above[1] - below[1])))
    return radii + radii[:1]


def house_of_cusp_entry(entry):
    return entry + 9 if entry <= 3 else entry - 3


def cusp_label_places():
    values = []
    for entry in range(1, 13):
        angle = (180 + 30 * (house_of_cusp_entry(entry) - 1)) % 360
        x0 = LABEL_RADIUS * math.cos(angle * PI / 180) + 4
        if 80 < angle < 100 or 260 < angle < 280:
            x0 -= 23
        elif 100 <= angle <= 260:
            x0 -= 49
        y0 = LABEL_RADIUS * math.sin(angle * PI / 180) + 4
        for offset in ITEM_OFFSETS:
            values += [whole(x0 + offset), whole(y0)]
    return values + [0]


def write_values(path, values):
    with open(path, "w", newline="\r\n") as f:
        for v in values:
            f.write(f"{v}\n")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "appdata")
    write_values(os.path.join(out, "RADIUS.DAT"), glyph_radii())
    write_values(os.path.join(out, "HCDATA.DAT"), cusp_label_places())


if __name__ == "__main__":
    main()
