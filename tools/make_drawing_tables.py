#!/usr/bin/python3
"""Writes the chart wheel's drawing tables RADIUS.DAT and HCDATA.DAT.

Both follow from the wheel's frame (src/wheels/wheel_frame.h), the glyph font
appdata/Orvane.ttf and the font sizes of appdata/OPTIONS.OPT, so that the
labels stand clear of the frame on the window and on the printed page.
Wheel units: the origin at the wheel's centre, y upwards; screen angles in
degrees counter-clockwise from the right. A text stands at its top-left
corner; one point of font size is one wheel unit on the window and about
one on the page (the page's printable width spans the wheel's 574 units).

RADIUS.DAT: 361 whole numbers, the radius of the planet glyph's top-left
corner on the single wheel's ring (and the outer ring of a dual wheel) per
whole degree of screen angle; entry 360 repeats entry 0. Each is the largest
radius at which the ink of the largest planet glyph, window or page (the page
draws the ring at 0.9875 of the radius), keeps GLYPH_CLEARANCE inside the
circle between the planet ring and the cusp labels.

HCDATA.DAT: 121 whole numbers, the fixed places of the cusp labels of the
American wheel and of every dual wheel. For cusp table entry c (1 = MC,
4 = Ascendant, ...) entries 10(c-1) .. 10(c-1)+9 are five (x, y) top-left
corners: degrees tens digit, degrees units digit, sign glyph, minutes tens
digit, minutes units digit, on one line. Each label is centred on the line
that opens its house (the wheel's fixed sector edge), halfway across the
band between the planet ring and the rim. Entry 120 is not used and holds 0.

Usage: tools/make_drawing_tables.py [output folder, default appdata/]
"""
import math
import os
import sys

from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
APPDATA = os.path.join(HERE, "..", "appdata")
PI = 3.1415926535

# The frame (src/wheels/wheel_frame.h): the rim and the circle between the
# cusp labels and the planet ring.
RIM, PLANET_BAND = 272, 211
GLYPH_CLEARANCE = 1.5
PAGE_RADIUS_FACTOR = 0.9875
PAGE_UNITS_PER_POINT = 574 / 576  # Letter with quarter-inch margins

# The line that opens each house of the fixed sectors, houses 1 to 12.
SECTOR_EDGES = (180, 209.0, 238.65, 270, 300.7, 331.15, 0, 28.2, 59.2, 90, 121.0, 151.6)

GLYPH_BASE, POINT_CODE, SIGN_CODE = 0xF000, 223, 191
LABEL_GAP = 1.0  # units between the ink of neighbouring label items


def whole(x):
    """Nearest whole number, halves away from zero (no banker's rounding in data)."""
    return int(math.floor(x + 0.5)) if x >= 0 else -int(math.floor(-x + 0.5))


class Font:
    def __init__(self, path):
        self.font = TTFont(path)
        self.units = self.font["head"].unitsPerEm
        self.cmap = self.font.getBestCmap()
        self.ascent = self.font["hhea"].ascent / self.units
        self.descent = -self.font["hhea"].descent / self.units

    def advance(self, code_point):
        return self.font["hmtx"][self.cmap[code_point]][0] / self.units

    def ink(self, code_points):
        """Union of the glyphs' ink boxes, em, relative to the text's top-left corner:
        (left, right, top, bottom) with y upwards (top and bottom negative)."""
        glyphs = [self.font["glyf"][self.cmap[c]] for c in code_points]
        return (min(g.xMin for g in glyphs) / self.units, max(g.xMax for g in glyphs) / self.units,
                max(g.yMax for g in glyphs) / self.units - self.ascent,
                min(g.yMin for g in glyphs) / self.units - self.ascent)


def options(path):
    """OPTIONS.OPT: the value in the first 7 characters of line k is option k."""
    with open(path, encoding="latin-1") as f:
        return [None] + [float(line[:7]) for line in f.read().splitlines() if line.strip()]


def outermost(radius, angle, box):
    """Distance from the centre of the farthest corner of an ink box whose text stands at (radius, angle)."""
    x0, y0 = radius * math.cos(angle * PI / 180), radius * math.sin(angle * PI / 180)
    left, right, top, bottom = box
    return max(math.hypot(x0 + dx, y0 + dy) for dx in (left, right) for dy in (top, bottom))


def glyph_radii(font, opts):
    points = [GLYPH_BASE + POINT_CODE + p for p in list(range(1, 14)) + list(range(16, 26))]
    left, right, top, bottom = font.ink(points)
    surfaces = ((opts[72], 1.0), (opts[82] * PAGE_UNITS_PER_POINT, PAGE_RADIUS_FACTOR))
    limit = PLANET_BAND - GLYPH_CLEARANCE
    radii = []
    for degree in range(360):
        best = limit
        for size, factor in surfaces:
            box = (left * size, right * size, top * size, bottom * size)
            low, high = 0.0, limit / factor
            for _ in range(40):
                middle = (low + high) / 2
                if outermost(middle * factor, degree, box) <= limit:
                    low = middle
                else:
                    high = middle
            best = min(best, low)
        radii.append(int(math.floor(best)))
    return radii + radii[:1]


def sector_edge(house):
    """The fixed line that opens a house, as src/wheels/wheel_frame.cpp draws
    it: the horizon and meridian exactly, the others halfway across the gap
    between the label columns of the house before's last slot and the house's
    first, on both rings of a dual wheel."""
    return SECTOR_EDGES[house - 1]


def house_of_cusp_entry(entry):
    return entry + 9 if entry <= 3 else entry - 3


def cusp_label_places(font, opts):
    digit = font.advance(ord("0"))
    sign = font.advance(GLYPH_BASE + SIGN_CODE + 1)
    # sizes of the larger of window and page
    degrees_size = max(opts[69], opts[79] * PAGE_UNITS_PER_POINT)
    sign_size = max(opts[70], opts[80] * PAGE_UNITS_PER_POINT)
    minutes_size = max(opts[71], opts[81] * PAGE_UNITS_PER_POINT)
    offsets = [0, digit * degrees_size]
    offsets.append(offsets[1] + digit * degrees_size + LABEL_GAP)
    offsets.append(offsets[2] + sign * sign_size + LABEL_GAP)
    offsets.append(offsets[3] + digit * minutes_size)
    width = offsets[4] + digit * minutes_size
    height = (font.ascent + font.descent) * degrees_size
    middle = (RIM + PLANET_BAND) / 2
    values = []
    for entry in range(1, 13):
        angle = sector_edge(house_of_cusp_entry(entry))
        cx, cy = middle * math.cos(angle * PI / 180), middle * math.sin(angle * PI / 180)
        x0, y0 = cx - width / 2, cy + height / 2
        for offset in offsets:
            values += [whole(x0 + offset), whole(y0)]
    return values + [0]


def write_values(path, values):
    with open(path, "w", newline="\r\n") as f:
        for v in values:
            f.write(f"{v}\n")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else APPDATA
    font = Font(os.path.join(APPDATA, "Orvane.ttf"))
    opts = options(os.path.join(APPDATA, "OPTIONS.OPT"))
    write_values(os.path.join(out, "RADIUS.DAT"), glyph_radii(font, opts))
    write_values(os.path.join(out, "HCDATA.DAT"), cusp_label_places(font, opts))


if __name__ == "__main__":
    main()
