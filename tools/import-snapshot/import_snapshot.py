#!/usr/bin/env python3
"""Rebuilds data/ken_all.zip and data/jigyosyo.zip from three MIT-licensed npm packages.

Run by hand (never by the build):  python3 tools/import-snapshot/import_snapshot.py
Options: --work DIR keeps the downloaded packages between runs (default: a
temporary folder); --out DIR is where the zips go (default: data/ of this checkout).
The same packages give the same bytes on every run.
"""

import argparse
import collections
import pathlib
import sys
import tempfile
import zipfile

sys.dont_write_bytecode = True  # keep the checkout clean of __pycache__

import jigyosyo
import ken_all
import npm_source
import source_tables
from official_text import Cp932Writer

# Zip entries carry the date of the data state instead of the time of the run.
ZIP_TIMESTAMP = (2025, 9, 30, 0, 0, 0)


def write_zip(path: pathlib.Path, member: str, payload: bytes) -> None:
    info = zipfile.ZipInfo(member, date_time=ZIP_TIMESTAMP)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.create_system = 0
    info.external_attr = 0
    with zipfile.ZipFile(path, "w") as archive:
        archive.writestr(info, payload, compresslevel=9)


def build(work: pathlib.Path, out: pathlib.Path) -> None:
    jpostal_rows, version = source_tables.read_jpostal(npm_source.fetch("jpostal", work))
    annotated = source_tables.read_annotated_names(npm_source.fetch("postal", work))
    municipalities = source_tables.read_municipalities(npm_source.fetch("lookup", work))
    stats: collections.Counter[str] = collections.Counter()

    towns = [r for r in jpostal_rows if not r.office]
    offices = [r for r in jpostal_rows if r.office]
    chome_towns = ken_all.chome_towns_of_offices(offices, municipalities)
    town_rows = ken_all.build(towns, annotated, municipalities, chome_towns, stats)

    writer = Cp932Writer()
    ken = b"".join(writer.encode_line(ken_all.fields(r)) for r in town_rows)
    offices.sort(key=lambda o: municipalities[(o.pref, o.city)].jis)
    jig = b"".join(writer.encode_line(jigyosyo.fields(o, municipalities)) for o in offices)
    write_zip(out / "ken_all.zip", "KEN_ALL.CSV", ken)
    write_zip(out / "jigyosyo.zip", "JIGYOSYO.CSV", jig)

    print(f"data version: {version}")
    print(f"KEN_ALL.CSV: {len(town_rows)} lines, {len({r.source.code for r in town_rows})} codes, "
          f"{len({r.municipality.jis for r in town_rows})} municipalities, "
          f"{len({r.source.pref for r in town_rows})} prefectures")
    print(f"JIGYOSYO.CSV: {len(offices)} lines, "
          f"{sum(1 for o in offices if jigyosyo.handling_office(o.street))} post-office boxes")
    for key in sorted(stats):
        print(f"{key}: {stats[key]}")
    print(f"characters substituted for CP932: {sum(writer.substituted.values())} "
          f"{dict(writer.substituted)}")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--work", type=pathlib.Path)
    parser.add_argument("--out", type=pathlib.Path,
                        default=pathlib.Path(__file__).resolve().parents[2] / "data")
    args = parser.parse_args()
    if args.work:
        args.work.mkdir(parents=True, exist_ok=True)
        build(args.work, args.out)
    else:
        with tempfile.TemporaryDirectory() as work:
            build(pathlib.Path(work), args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
