#!/usr/bin/python3
"""Writes the orb files of the chart wheels and of the minute-by-minute listing.

An orb file is a value list: line k holds in its first 7 characters the orb
(degrees) of aspect code k + 1, and a comment after it. The wheel files have
17 lines (codes 2 to 16, then two lines the wheel never reads); DIURNAL.ORB
has 10 (codes 2 to 11). The values are our own choice: wide for a chart read
on its own (natal, returns, ingresses, synastry), narrower where a moving
chart meets the natal one, and about one degree for directions, progressions
and the listing of transits by the minute.

Usage: tools/make_orb_files.py [output folder, default appdata/]
"""
import os
import sys

ASPECTS = (  # aspect code, comment
    (2, "conjunct (0)"), (3, "sextile (60)"), (4, "square (90)"), (5, "trine (120)"),
    (6, "opposite (180)"), (7, "parallel of declination"), (8, "semi-sextile (30)"),
    (9, "semi-square (45)"), (10, "sesquisquare (135)"), (11, "quincunx (150)"),
    (12, "semi-quintile (36)"), (13, "nonagen (40)"), (14, "quintile (72)"),
    (15, "trecile (108)"), (16, "bi-quintile (144)"),
    (17, "not an aspect: not read"), (18, "not an aspect: not read"),
)

# Orbs by file, in aspect-code order 2..16 (the two spare lines hold 0).
#                  conj sext  sqr  tri  opp  par  s.sx s.sq sesq quin s.qn  non  qnt  trc  b.qn
WHEEL_ORBS = {
    "NATAL.ORB":    (8.0, 5.0, 7.0, 7.0, 8.0, 1.0, 2.0, 2.0, 2.0, 3.0, 1.0, 1.0, 2.0, 1.0, 2.0),
    "TRANSIT.ORB":  (5.0, 3.0, 4.0, 4.0, 5.0, 1.0, 1.0, 1.0, 1.0, 1.5, 0.5, 0.5, 1.0, 0.5, 1.0),
    "SOLARARC.ORB": (1.0, 1.0, 1.0, 1.0, 1.0, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5),
    "Progress.orb": (1.0, 1.0, 1.0, 1.0, 1.0, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5),
    "NAT2TRAN.ORB": (2.0, 1.5, 2.0, 2.0, 2.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.5, 0.5, 1.0, 0.5, 1.0),
    "SYNASTRY.ORB": (6.0, 4.0, 5.0, 5.0, 6.0, 1.0, 1.5, 1.5, 1.5, 2.0, 1.0, 1.0, 1.5, 1.0, 1.5),
    "SOLARRTN.ORB": (6.0, 4.0, 5.0, 5.0, 6.0, 1.0, 1.5, 1.5, 1.5, 2.0, 1.0, 1.0, 1.5, 1.0, 1.5),
    "LUNARRTN.ORB": (5.0, 3.0, 4.0, 4.0, 5.0, 1.0, 1.0, 1.0, 1.0, 1.5, 0.5, 0.5, 1.0, 0.5, 1.0),
    "INGRESS.ORB":  (6.0, 4.0, 5.0, 5.0, 6.0, 1.0, 1.5, 1.5, 1.5, 2.0, 1.0, 1.0, 1.5, 1.0, 1.5),
    "NAT2SR.ORB":   (3.0, 2.0, 3.0, 3.0, 3.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.5, 0.5, 1.0, 0.5, 1.0),
    "NAT2LR.ORB":   (2.0, 1.5, 2.0, 2.0, 2.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.5, 0.5, 1.0, 0.5, 1.0),
    "NAT2INGR.ORB": (3.0, 2.0, 3.0, 3.0, 3.0, 1.0, 1.0, 1.0, 1.0, 1.0, 0.5, 0.5, 1.0, 0.5, 1.0),
}
# The minute-by-minute transits, aspect codes 2..11.
DIURNAL_ORBS = (1.0, 1.0, 1.0, 1.0, 1.0, 0.5, 0.5, 0.5, 0.5, 0.5)


def line(value, comment):
    field = f"{value:6.1f} "  # the value's 7 characters, then the comment
    assert len(field) == 7
    return field + comment


def write_lines(path, lines):
    with open(path, "w", newline="\r\n") as f:
        for text in lines:
            f.write(text + "\n")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "appdata")
    for name, orbs in WHEEL_ORBS.items():
        assert len(orbs) == 15
        values = orbs + (0.0, 0.0)
        write_lines(os.path.join(out, name), [line(v, c) for v, (_, c) in zip(values, ASPECTS)])
    write_lines(os.path.join(out, "DIURNAL.ORB"), [line(v, c) for v, (_, c) in zip(DIURNAL_ORBS, ASPECTS)])


if __name__ == "__main__":
    main()
