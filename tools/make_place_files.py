#!/usr/bin/env python3
"""Writes the city file GA_MA.LL and the time-zone list TZ.DAT.

Sources, all in the public domain:
  * the tz database's zone.tab and iso3166.tab (Debian package tzdata): the
    principal city of every time zone with its coordinates, and country names;
  * the standard offset of each zone, read from the compiled zone files
    through Python's zoneinfo;
  * the cities of Georgia and Massachusetts below, coordinates of the
    U.S. Census Bureau gazetteer and the USGS Geographic Names Information
    System (works of the U.S. federal government), rounded to the minute.

Usage: tools/make_place_files.py [appdata folder]   (default: appdata/)
The formats are described in docs/city-file.md.
"""

import datetime
import os
import sys
import zoneinfo

ZONEINFO = "/usr/share/zoneinfo"
SAMPLE_YEAR = 2025  # the year whose rules give each zone its standard offset

# name, latitude (degrees, minutes, N/S), longitude (degrees, minutes, E/W)
GEORGIA = [
    ("Albany", 31, 35, "N", 84, 9, "W"),
    ("Americus", 32, 4, "N", 84, 14, "W"),
    ("Athens", 33, 57, "N", 83, 21, "W"),
    ("Atlanta", 33, 45, "N", 84, 23, "W"),
    ("Augusta", 33, 28, "N", 82, 1, "W"),
    ("Brunswick", 31, 9, "N", 81, 29, "W"),
    ("Carrollton", 33, 35, "N", 85, 5, "W"),
    ("Columbus", 32, 28, "N", 84, 59, "W"),
    ("Dalton", 34, 46, "N", 84, 58, "W"),
    ("Decatur", 33, 46, "N", 84, 18, "W"),
    ("Dublin", 32, 32, "N", 82, 54, "W"),
    ("Gainesville", 34, 18, "N", 83, 49, "W"),
    ("LaGrange", 33, 2, "N", 85, 2, "W"),
    ("Macon", 32, 50, "N", 83, 38, "W"),
    ("Marietta", 33, 57, "N", 84, 33, "W"),
    ("Milledgeville", 33, 5, "N", 83, 14, "W"),
    ("Rome", 34, 15, "N", 85, 10, "W"),
    ("Roswell", 34, 1, "N", 84, 22, "W"),
    ("Sandy Springs", 33, 56, "N", 84, 22, "W"),
    ("Savannah", 32, 5, "N", 81, 5, "W"),
    ("Statesboro", 32, 27, "N", 81, 47, "W"),
    ("Thomasville", 30, 50, "N", 83, 59, "W"),
    ("Tifton", 31, 27, "N", 83, 31, "W"),
    ("Valdosta", 30, 50, "N", 83, 17, "W"),
    ("Warner Robins", 32, 37, "N", 83, 37, "W"),
    ("Waycross", 31, 13, "N", 82, 21, "W"),
]

MASSACHUSETTS = [
    ("Amherst", 42, 22, "N", 72, 31, "W"),
    ("Barnstable", 41, 42, "N", 70, 18, "W"),
    ("Boston", 42, 22, "N", 71, 4, "W"),
    ("Brockton", 42, 5, "N", 71, 1, "W"),
    ("Cambridge", 42, 22, "N", 71, 7, "W"),
    ("Chicopee", 42, 9, "N", 72, 36, "W"),
    ("Concord", 42, 28, "N", 71, 21, "W"),
    ("Fall River", 41, 42, "N", 71, 9, "W"),
    ("Fitchburg", 42, 35, "N", 71, 48, "W"),
    ("Framingham", 42, 17, "N", 71, 25, "W"),
    ("Gloucester", 42, 37, "N", 70, 40, "W"),
    ("Haverhill", 42, 47, "N", 71, 5, "W"),
    ("Holyoke", 42, 12, "N", 72, 37, "W"),
    ("Lawrence", 42, 42, "N", 71, 10, "W"),
    ("Lexington", 42, 27, "N", 71, 13, "W"),
    ("Lowell", 42, 38, "N", 71, 19, "W"),
    ("Lynn", 42, 28, "N", 70, 57, "W"),
    ("Malden", 42, 26, "N", 71, 4, "W"),
    ("Nantucket", 41, 17, "N", 70, 6, "W"),
    ("New Bedford", 41, 38, "N", 70, 56, "W"),
    ("Newton", 42, 20, "N", 71, 13, "W"),
    ("Northampton", 42, 20, "N", 72, 38, "W"),
    ("Pittsfield", 42, 27, "N", 73, 15, "W"),
    ("Plymouth", 41, 57, "N", 70, 40, "W"),
    ("Provincetown", 42, 3, "N", 70, 11, "W"),
    ("Quincy", 42, 15, "N", 71, 0, "W"),
    ("Salem", 42, 31, "N", 70, 54, "W"),
    ("Somerville", 42, 23, "N", 71, 6, "W"),
    ("Springfield", 42, 6, "N", 72, 35, "W"),
    ("Waltham", 42, 23, "N", 71, 14, "W"),
    ("Worcester", 42, 16, "N", 71, 48, "W"),
]

EASTERN_STANDARD_WEST = 5 * 3600  # both states keep Eastern time

# Places named first on a time-zone line, in this order, when the zone has
# them; the rest of the line is filled alphabetically.
WELL_KNOWN = [
    "Honolulu", "Anchorage", "Los Angeles", "Vancouver", "Denver", "Phoenix",
    "Chicago", "Mexico City", "New York", "Toronto", "Havana", "Bogota", "Lima",
    "Halifax", "Caracas", "Santiago", "St Johns", "Sao Paulo", "Buenos Aires",
    "London", "Dublin", "Lisbon", "Reykjavik", "Casablanca", "Paris", "Berlin",
    "Rome", "Madrid", "Lagos", "Athens", "Cairo", "Johannesburg", "Jerusalem",
    "Kyiv", "Moscow", "Istanbul", "Riyadh", "Nairobi", "Tehran", "Dubai", "Kabul",
    "Karachi", "Tashkent", "Kolkata", "Kathmandu", "Dhaka", "Yangon", "Bangkok",
    "Jakarta", "Shanghai", "Hong Kong", "Singapore", "Perth", "Eucla", "Tokyo",
    "Seoul", "Adelaide", "Darwin", "Sydney", "Brisbane", "Lord Howe", "Noumea",
    "Auckland", "Fiji", "Chatham", "Tongatapu", "Apia", "Kiritimati",
]
PLACES_PER_ZONE = 6

# No zone of zone.tab keeps UTC-12, the nominal time of these uninhabited islands.
EXTRA_ZONES = {12 * 3600: ["Baker Island", "Howland Island"]}


def read_table(path):
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            yield line.rstrip("\n").split("\t")


def split_iso6709(text):
    """'+4230+00131' or '+404251-0740023' into (lat, long) in signed seconds."""
    for i in range(1, len(text)):
        if text[i] in "+-":
            return parse_angle(text[:i], 2), parse_angle(text[i:], 3)
    raise ValueError(text)


def parse_angle(text, degree_digits):
    sign = -1 if text[0] == "-" else 1
    digits = text[1:]
    degrees = int(digits[:degree_digits])
    minutes = int(digits[degree_digits:degree_digits + 2])
    seconds = int(digits[degree_digits + 2:] or 0)
    return sign * (degrees * 3600 + minutes * 60 + seconds)


def degrees_minutes(seconds):
    """Signed seconds of arc into whole degrees and minutes, rounded to the minute."""
    total_minutes = (abs(seconds) + 30) // 60
    return total_minutes // 60, total_minutes % 60


def standard_offset(zone_name):
    """Seconds east of UTC of the zone's standard (winter) time.

    Summer time always moves the clock ahead, and Dublin's rules that count
    summer as standard agree with their users only this way: the standard
    offset is the smallest offset kept for at least a quarter of the year.
    The quarter leaves out Morocco's month of Ramadan time."""
    zone = zoneinfo.ZoneInfo(zone_name)
    counts = {}
    for month in range(1, 13):
        for day in (1, 15):
            moment = datetime.datetime(SAMPLE_YEAR, month, day, 12, tzinfo=zone)
            offset = int(moment.utcoffset().total_seconds())
            counts[offset] = counts.get(offset, 0) + 1
    return min(offset for offset, count in counts.items() if count >= 6)


def zone_text(west_seconds):
    """West-positive seconds as the zone box's hours.minutes text."""
    sign = "-" if west_seconds < 0 else ""
    hours, rest = divmod(abs(west_seconds), 3600)
    minutes = rest // 60
    return f"{sign}{hours}" + (f".{minutes:02d}" if minutes else "")


def city_line(name, lat_deg, lat_min, ns, long_deg, long_min, ew, west_seconds):
    return f"{name},{long_deg},{long_min},{ew},{lat_deg},{lat_min},{ns},{zone_text(west_seconds)}"


def world_cities():
    # The files are Latin-1: the one typographic apostrophe becomes a plain one.
    countries = {row[0]: row[1].replace("\u2019", "'")
                 for row in read_table(os.path.join(ZONEINFO, "iso3166.tab"))}
    cities = []
    for row in read_table(os.path.join(ZONEINFO, "zone.tab")):
        code, coordinates, zone_name = row[0], row[1], row[2]
        lat, long = split_iso6709(coordinates)
        city = zone_name.rsplit("/", 1)[-1].replace("_", " ")
        west = -standard_offset(zone_name)
        cities.append((city, countries[code], lat, long, west))
    return cities


def write_lines(path, lines):
    with open(path, "w", encoding="latin-1", newline="") as f:
        for line in lines:
            f.write(line + "\r\n")


def make_city_file(cities):
    lines = [
        "; GA_MA.LL: cities of Georgia and Massachusetts, then the principal city of",
        "; every time zone of the tz database (zone.tab), sorted by name.",
        "; Fields: name, longitude degrees, minutes, W/E, latitude degrees, minutes,",
        "; N/S, standard zone (hours.minutes, west positive). Summer or war time is",
        "; not included: check the zone in force on the chart's date.",
        "; Coordinates: U.S. Census Bureau / USGS (Georgia, Massachusetts) and the tz",
        "; database's zone.tab; all public domain. Written by tools/make_place_files.py.",
    ]
    for state, table in (("GA", GEORGIA), ("MA", MASSACHUSETTS)):
        for name, lat_d, lat_m, ns, long_d, long_m, ew in table:
            lines.append(city_line(f"{name}, {state}", lat_d, lat_m, ns, long_d, long_m, ew,
                                   EASTERN_STANDARD_WEST))
    for city, country, lat, long, west in sorted(cities, key=lambda c: (c[0], c[1])):
        lat_d, lat_m = degrees_minutes(lat)
        long_d, long_m = degrees_minutes(long)
        ew = "E" if long > 0 else "W"
        ns = "S" if lat < 0 else "N"
        lines.append(city_line(f"{city}, {country}", lat_d, lat_m, ns, long_d, long_m, ew, west))
    return lines


def make_zone_list(cities):
    by_zone = {}
    for city, _country, _lat, _long, west in cities:
        by_zone.setdefault(west, []).append(city)
    for west, places in EXTRA_ZONES.items():
        by_zone.setdefault(west, []).extend(places)
    lines = [
        "; TZ.DAT: every standard offset kept by a zone of the tz database, with places",
        "; that keep it (summer time not included), from UTC-12 to UTC+14.",
        "; Fields: zone (hours.minutes, west positive), places. Public domain sources;",
        "; written by tools/make_place_files.py.",
    ]
    for west in sorted(by_zone, reverse=True):
        places = sorted(set(by_zone[west]))
        known = [p for p in WELL_KNOWN if p in places]
        rest = [p for p in places if p not in known]
        chosen = (known + rest)[:PLACES_PER_ZONE]
        lines.append(f"{zone_text(west)},{', '.join(chosen)}")
    return lines


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "appdata")
    cities = world_cities()
    write_lines(os.path.join(folder, "GA_MA.LL"), make_city_file(cities))
    write_lines(os.path.join(folder, "TZ.DAT"), make_zone_list(cities))


if __name__ == "__main__":
    main()
