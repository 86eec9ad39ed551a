#!/usr/bin/python3
"""Builds Orvane.ttf, the program's glyph font, and Orvane-LICENSE.txt.

The chart wheel and the zodiac strip print glyph code n of the face "Orvane"
as the character U+F000 + n (a private-use character), so that captions
drawn in the same face stay ordinary text:

  code 223 + p   the glyph of chart point p (1 Sun .. 25 Poseidon)
  code 191 + s   the glyph of zodiac sign s (1 Aries .. 12 Pisces)
  code 156       the retrograde mark

The symbols of each kind share one cell width, as the wheel's label
columns step by the width of one sample symbol.

Letters, digits and punctuation (U+0020..U+007E, U+00A0..U+00FF) keep their
own code points and come from DejaVu Sans. The symbols come from the Noto
Sans Symbols and Noto Sans Symbols 2 fonts (SIL Open Font License 1.1) and,
for the Part of Fortune and the retrograde mark, from DejaVu Sans (Bitstream
Vera licence; DejaVu changes public domain). The Ascendant and Midheaven
glyphs are the letters "AS" and "MC" of DejaVu Sans, narrowed.

Sources are Debian's fonts-dejavu-core and fonts-noto-core; the tool needs
python3-fonttools. The licence file joins the licences of both sources.

Usage: tools/make_glyph_font.py [output folder, default appdata/]
"""
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.recordingPen import DecomposingRecordingPen, RecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
NOTO_SYMBOLS = "/usr/share/fonts/truetype/noto/NotoSansSymbols-Regular.ttf"
NOTO_SYMBOLS2 = "/usr/share/fonts/truetype/noto/NotoSansSymbols2-Regular.ttf"
NOTO_COPYRIGHT = "/usr/share/doc/fonts-noto-core/copyright"

FAMILY = "Orvane"
FONT_DATE = 3850000000  # seconds since 1904, the TrueType epoch (January 2026)
GLYPH_BASE = 0xF000

# Chart points by point number: (source font, Unicode character of the symbol).
POINT_GLYPHS = {
    1: (NOTO_SYMBOLS2, 0x2609),   # Sun
    2: (NOTO_SYMBOLS, 0x263F),    # Mercury
    3: (NOTO_SYMBOLS, 0x2640),    # Venus
    4: (NOTO_SYMBOLS, 0x2642),    # Mars
    5: (NOTO_SYMBOLS, 0x2643),    # Jupiter
    6: (NOTO_SYMBOLS, 0x2644),    # Saturn
    7: (NOTO_SYMBOLS, 0x2645),    # Uranus
    8: (NOTO_SYMBOLS, 0x2646),    # Neptune
    9: (NOTO_SYMBOLS, 0x2647),    # Pluto
    10: (NOTO_SYMBOLS, 0x263D),   # Moon
    11: (NOTO_SYMBOLS, 0x260A),   # North Node
    12: (DEJAVU, 0x2297),         # Part of Fortune (circled cross)
    13: (NOTO_SYMBOLS, 0x26B7),   # Chiron
    16: (NOTO_SYMBOLS, 0x26B8),   # Lilith (black moon)
    17: (NOTO_SYMBOLS2, 0x2BD7),  # TransPluto
    18: (NOTO_SYMBOLS2, 0x2BE0),  # Cupido
    19: (NOTO_SYMBOLS2, 0x2BE1),  # Hades
    20: (NOTO_SYMBOLS2, 0x2BE2),  # Zeus
    21: (NOTO_SYMBOLS2, 0x2BE3),  # Kronos
    22: (NOTO_SYMBOLS2, 0x2BE4),  # Apollon
    23: (NOTO_SYMBOLS2, 0x2BE5),  # Admetos
    24: (NOTO_SYMBOLS2, 0x2BE6),  # Vulkanus
    25: (NOTO_SYMBOLS2, 0x2BE7),  # Poseidon
}
LETTER_POINTS = {14: "AS", 15: "MC"}  # Ascendant, Midheaven
SIGN_FIRST = 0x2648                   # Aries .. Pisces follow in order
RETROGRADE = (DEJAVU, 0x211E)         # prescription take, the usual retrograde mark

POINT_CODE, SIGN_CODE, RETROGRADE_CODE = 223, 191, 156
TEXT_RANGES = (range(0x20, 0x7F), range(0xA0, 0x100))
LETTER_SCALE_X = 0.62  # two capitals narrowed into one glyph cell
SYMBOL_SCALE = 1.2     # Noto's symbols are drawn small beside letters; bring them to cap height

# The wheel steps from one symbol to the next by the width of one sample
# glyph, so every symbol of a kind shares one cell: (advance, widest ink,
# tallest ink) in em. Each symbol is scaled down to fit its cell's ink box if
# it must be, centred across the cell, and centred upright on the middle of
# the digits, so a symbol stands level with the numbers beside it.
POINT_CELL = (1.0, 0.80, 0.80)
SIGN_CELL = (0.80, 0.66, 0.72)
RETROGRADE_CELL = (0.72, 0.58, 0.72)
DIGIT_MIDDLE = 0.37  # em above the baseline


class Source:
    def __init__(self, path, target_units, enlarge=1.0):
        self.font = TTFont(path)
        self.glyphs = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()
        self.scale = target_units / self.font["head"].unitsPerEm * enlarge

    def draw(self, char, pen, scale_x=1.0, dx=0.0):
        """Draws the glyph of `char` into `pen`; returns its advance width."""
        name = self.cmap[char]
        s = self.scale
        outline = DecomposingRecordingPen(self.glyphs)  # accented letters are built of components
        self.glyphs[name].draw(outline)
        outline.replay(TransformPen(pen, (s * scale_x, 0, 0, s, dx, 0)))
        return self.glyphs[name].width * s * scale_x


def glyph(sources, parts, cell=None, units=2048):
    """One glyph from (source path, character, horizontal scale) parts set side
    by side; with a cell (advance, ink width, ink height in em), fitted into it."""
    outline = RecordingPen()
    advance = 0.0
    for path, char, scale_x in parts:
        advance += sources[path].draw(char, outline, scale_x, advance)
    pen = TTGlyphPen(None)
    if cell is None:
        outline.replay(pen)
        return pen.glyph(), round(advance)
    cell_advance, ink_width, ink_height = (units * v for v in cell)
    bounds = BoundsPen(None)
    outline.replay(bounds)
    x0, y0, x1, y1 = bounds.bounds
    scale = min(1.0, ink_width / (x1 - x0), ink_height / (y1 - y0))
    dx = (cell_advance - scale * (x1 - x0)) / 2 - scale * x0
    dy = units * DIGIT_MIDDLE - scale * (y0 + y1) / 2
    outline.replay(TransformPen(pen, (scale, 0, 0, scale, round(dx), round(dy))))
    return pen.glyph(), round(cell_advance)


def build(out_dir):
    base = TTFont(DEJAVU)
    units = base["head"].unitsPerEm
    sources = {DEJAVU: Source(DEJAVU, units),
               NOTO_SYMBOLS: Source(NOTO_SYMBOLS, units, SYMBOL_SCALE),
               NOTO_SYMBOLS2: Source(NOTO_SYMBOLS2, units, SYMBOL_SCALE)}

    order, cmap, glyf, metrics = [".notdef"], {}, {}, {}
    pen = TTGlyphPen(None)
    glyf[".notdef"], metrics[".notdef"] = pen.glyph(), (units // 2, 0)

    def add(name, code_point, parts, cell=None):
        g, advance = glyph(sources, parts, cell, units)
        order.append(name)
        cmap[code_point] = name
        glyf[name] = g
        g.recalcBounds(glyf)
        metrics[name] = (advance, getattr(g, "xMin", 0))

    for block in TEXT_RANGES:
        for char in block:
            if char in sources[DEJAVU].cmap:
                add(f"uni{char:04X}", char, [(DEJAVU, char, 1.0)])
    for point, (path, char) in POINT_GLYPHS.items():
        add(f"point{point:02d}", GLYPH_BASE + POINT_CODE + point, [(path, char, 1.0)], POINT_CELL)
    for point, letters in LETTER_POINTS.items():
        add(f"point{point:02d}", GLYPH_BASE + POINT_CODE + point,
            [(DEJAVU, ord(c), LETTER_SCALE_X) for c in letters], POINT_CELL)
    for sign in range(1, 13):
        add(f"sign{sign:02d}", GLYPH_BASE + SIGN_CODE + sign, [(NOTO_SYMBOLS, SIGN_FIRST + sign - 1, 1.0)],
            SIGN_CELL)
    add("retrograde", GLYPH_BASE + RETROGRADE_CODE, [(RETROGRADE[0], RETROGRADE[1], 1.0)], RETROGRADE_CELL)

    fb = FontBuilder(units, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyf)
    fb.setupHorizontalMetrics(metrics)
    hhea = base["hhea"]
    fb.setupHorizontalHeader(ascent=hhea.ascent, descent=hhea.descent)
    fb.setupNameTable({
        "copyright": "Glyphs from DejaVu Sans (Copyright (c) 2003 Bitstream, Inc.; Copyright (c) 2006 "
                     "Tavmjong Bah; DejaVu changes public domain) and Noto Sans Symbols and Symbols 2 "
                     "(Copyright Google Inc. / Google LLC, SIL Open Font License 1.1)",
        "familyName": FAMILY,
        "styleName": "Regular",
        "uniqueFontIdentifier": f"{FAMILY}-Regular-1.0",
        "fullName": FAMILY,
        "psName": f"{FAMILY}-Regular",
        "version": "Version 1.0",
        "licenseDescription": "See Orvane-LICENSE.txt: the Noto glyphs under the SIL Open Font License 1.1, "
                              "the DejaVu glyphs under the Bitstream Vera and Arev licences.",
    })
    os2 = base["OS/2"]
    fb.setupOS2(sTypoAscender=os2.sTypoAscender, sTypoDescender=os2.sTypoDescender,
                sTypoLineGap=os2.sTypoLineGap, usWinAscent=os2.usWinAscent, usWinDescent=os2.usWinDescent,
                sxHeight=glyf["uni0078"].yMax, sCapHeight=glyf["uni0048"].yMax, achVendID="NONE", fsType=0)
    fb.setupPost()
    # A fixed date in the header keeps the file the same from run to run.
    fb.updateHead(created=FONT_DATE, modified=FONT_DATE)
    fb.font.recalcTimestamp = False
    fb.save(os.path.join(out_dir, "Orvane.ttf"))
    write_licence(os.path.join(out_dir, "Orvane-LICENSE.txt"), base)


def write_licence(path, dejavu):
    with open(NOTO_COPYRIGHT, encoding="utf-8") as f:
        text = f.read()
    start = text.index("License: OFL-1.1\n PREAMBLE")
    ofl = []
    for line in text[start:].splitlines()[1:]:
        if line and not line.startswith(" "):
            break
        ofl.append("" if line.strip() == "." else line[1:])
    dejavu_licence = dejavu["name"].getDebugName(13)
    parts = [
        "Orvane.ttf, the glyph font of Halcyra",
        "",
        "Orvane.ttf was assembled by tools/make_glyph_font.py from glyphs of",
        "  - DejaVu Sans (letters, digits, punctuation, Latin-1, the Part of Fortune",
        "    and the retrograde mark; the Ascendant and Midheaven letters), and",
        "  - Noto Sans Symbols and Noto Sans Symbols 2, Copyright 2010-2020 Google Inc.",
        "    and 2015-2020 Google LLC (planets, signs, node, Chiron, Lilith, TransPluto",
        "    and the eight Uranian points).",
        "The glyphs taken from Noto are licensed under the SIL Open Font License 1.1;",
        "those taken from DejaVu Sans under the Bitstream Vera and Arev licences below.",
        "The font is renamed as both licences require.",
        "",
        "=" * 72,
        "SIL Open Font License, Version 1.1 (Noto Sans Symbols, Noto Sans Symbols 2)",
        "=" * 72,
        "",
        *ofl,
        "",
        "=" * 72,
        "DejaVu Sans",
        "=" * 72,
        "",
        *dejavu_licence.splitlines(),
    ]
    with open(path, "w", encoding="ascii", newline="\r\n") as f:
        f.write("\n".join(line.rstrip() for line in parts).rstrip() + "\n")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "appdata")
    build(out)


if __name__ == "__main__":
    main()
