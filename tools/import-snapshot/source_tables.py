"""Reads the three packages into plain Python structures."""

import dataclasses
import json
import pathlib

from official_text import full_width


@dataclasses.dataclass(frozen=True)
class SourceRow:
    """One seven-digit row of the per-prefix JSON files (town area or office)."""

    code: str
    pref: str
    city: str
    town: str
    street: str  # offices only: block numbers, building, post-office-box text
    office: str  # empty for town areas
    pref_kana: str
    city_kana: str
    town_kana: str


def read_jpostal(package: pathlib.Path) -> tuple[list[SourceRow], str]:
    """Returns the rows in file order (by code) and the data's version line."""
    rows: list[SourceRow] = []
    version = ""
    for path in sorted((package / "json").glob("*.json")):
        text = path.read_text(encoding="utf-8")
        payload = json.loads(text[text.index("(") + 1 : text.rindex(")")])
        for item in payload:
            key = item[0][1:]
            if key == "000info":
                version = item[2]
            if len(key) == 7 and key.isdigit():
                names = [full_width(text) for text in item[1:6]]
                rows.append(SourceRow(key, *names, *item[6:9]))
    return rows, version


def read_annotated_names(package: pathlib.Path) -> dict[str, list[tuple[str, str]]]:
    """code -> [(prefecture, municipality + town with annotation)] in the file's order."""
    raw = json.loads((package / "postal.json").read_text(encoding="utf-8"))
    return {
        code: [(pref, name) for pref, names in by_pref.items() for name in names]
        for code, by_pref in raw.items()
    }


@dataclasses.dataclass(frozen=True)
class Municipality:
    jis: str
    pref: str
    pref_kana: str
    name: str
    kana: str


def read_municipalities(package: pathlib.Path) -> dict[tuple[str, str], Municipality]:
    """(prefecture, municipality name) -> its JIS code and readings."""
    prefs = json.loads((package / "master" / "pref.json").read_text(encoding="utf-8"))["pref"]
    cities = json.loads((package / "master" / "city.json").read_text(encoding="utf-8"))["city"]
    table = {}
    for jis, (name, kana) in cities.items():
        pref, pref_kana = prefs[jis[:2]]
        table[(pref, name)] = Municipality(jis, pref, pref_kana, name, kana)
    return table
