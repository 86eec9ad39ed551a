#!/usr/bin/python3
"""Writes ALMUTD1.DAT, ALMUTD2.DAT, ALMUTN1.DAT and ALMUTN2.DAT.

For each whole degree of the zodiac the seven traditional planets are scored
by the essential dignities they hold there: domicile 5, exaltation 4,
triplicity ruler of the chart's sect 3, Ptolemaic term 2, Chaldean face 1.
The almuten is the planet with the highest score, the co-almuten a second
planet with the same score (0 when there is none); equal scores are ordered
by ascending point number (Sun 1, Mercury 2, Venus 3, Mars 4, Jupiter 5,
Saturn 6, Moon 10). Entry 360 repeats entry 0, so a longitude of exactly 360
reads like 0 Aries.

The dignity tables are the ones the horary reports print (rulers, exaltations,
triplicities by day and by night, the Ptolemaic terms and the Chaldean faces).

Usage: tools/make_almuten_tables.py [output folder, default appdata/]
"""
import os
import sys

SUN, MERCURY, VENUS, MARS, JUPITER, SATURN, MOON = 1, 2, 3, 4, 5, 6, 10
PLANETS = (SUN, MERCURY, VENUS, MARS, JUPITER, SATURN, MOON)

# Per sign, Aries first: domicile ruler, exaltation ruler (0 = none),
# triplicity ruler by day, triplicity ruler by night.
SIGNS = (
    (MARS, SUN, SUN, JUPITER),          # Aries
    (VENUS, MOON, VENUS, MOON),         # Taurus
    (MERCURY, 0, SATURN, MERCURY),      # Gemini
    (MOON, JUPITER, MARS, MARS),        # Cancer
    (SUN, 0, SUN, JUPITER),             # Leo
    (MERCURY, MERCURY, VENUS, MOON),    # Virgo
    (VENUS, SATURN, SATURN, MERCURY),   # Libra
    (MARS, 0, MARS, MARS),              # Scorpio
    (JUPITER, 0, SUN, JUPITER),         # Sagittarius
    (SATURN, MARS, VENUS, MOON),        # Capricorn
    (SATURN, 0, SATURN, MERCURY),       # Aquarius
    (JUPITER, VENUS, MARS, MARS),       # Pisces
)

# Ptolemaic terms per sign: (ruler, degree of the sign where the term ends).
TERMS = (
    ((JUPITER, 6), (VENUS, 14), (MERCURY, 21), (MARS, 26), (SATURN, 30)),    # Aries
    ((VENUS, 8), (MERCURY, 15), (JUPITER, 22), (SATURN, 26), (MARS, 30)),    # Taurus
    ((MERCURY, 7), (JUPITER, 14), (VENUS, 21), (SATURN, 25), (MARS, 30)),    # Gemini
    ((MARS, 6), (JUPITER, 13), (MERCURY, 20), (VENUS, 27), (SATURN, 30)),    # Cancer
    ((SATURN, 6), (MERCURY, 13), (VENUS, 19), (JUPITER, 25), (MARS, 30)),    # Leo
    ((MERCURY, 7), (VENUS, 13), (JUPITER, 18), (SATURN, 24), (MARS, 30)),    # Virgo
    ((SATURN, 6), (VENUS, 11), (JUPITER, 19), (MERCURY, 24), (MARS, 30)),    # Libra
    ((MARS, 6), (JUPITER, 14), (VENUS, 21), (MERCURY, 27), (SATURN, 30)),    # Scorpio
    ((JUPITER, 8), (VENUS, 14), (MERCURY, 19), (SATURN, 25), (MARS, 30)),    # Sagittarius
    ((VENUS, 6), (MERCURY, 12), (JUPITER, 19), (MARS, 25), (SATURN, 30)),    # Capricorn
    ((SATURN, 6), (MERCURY, 12), (VENUS, 20), (JUPITER, 25), (MARS, 30)),    # Aquarius
    ((VENUS, 8), (JUPITER, 14), (MERCURY, 20), (MARS, 26), (SATURN, 30)),    # Pisces
)

# Chaldean order of the faces from 0 Aries; it repeats every 70 degrees.
FACES = (MARS, SUN, VENUS, MERCURY, MOON, SATURN, JUPITER)


def scores(degree, night):
    """Dignity score of every planet at a whole degree (0..359)."""
    sign, within = divmod(degree, 30)
    domicile, exaltation, trip_day, trip_night = SIGNS[sign]
    score = {p: 0 for p in PLANETS}
    score[domicile] += 5
    if exaltation:
        score[exaltation] += 4
    score[trip_night if night else trip_day] += 3
    score[next(ruler for ruler, end in TERMS[sign] if within < end)] += 2
    score[FACES[(degree % 70) // 10]] += 1
    return score


def leaders(degree, night):
    """Planets holding the highest score, by ascending point number."""
    score = scores(degree, night)
    best = max(score.values())
    return sorted(p for p in PLANETS if score[p] == best)


def tables(night):
    almuten, co_almuten = [], []
    for degree in range(360):
        top = leaders(degree, night)
        almuten.append(top[0])
        co_almuten.append(top[1] if len(top) > 1 else 0)
    return almuten + almuten[:1], co_almuten + co_almuten[:1]


def write_values(path, values):
    with open(path, "w", newline="\r\n") as f:
        for v in values:
            f.write(f"{v}\n")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "appdata")
    day1, day2 = tables(night=False)
    night1, night2 = tables(night=True)
    write_values(os.path.join(out, "ALMUTD1.DAT"), day1)
    write_values(os.path.join(out, "ALMUTD2.DAT"), day2)
    write_values(os.path.join(out, "ALMUTN1.DAT"), night1)
    write_values(os.path.join(out, "ALMUTN2.DAT"), night2)
    for night in (False, True):
        for degree in range(360):
            top = leaders(degree, night)
            if len(top) > 2:
                print(f"{'night' if night else 'day'} degree {degree}: three-way tie {top}")


if __name__ == "__main__":
    main()
