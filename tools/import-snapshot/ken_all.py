"""Builds the rows of KEN_ALL.CSV (one line per town area, 15 columns)."""

import collections
import dataclasses
import re

import kana
from official_text import Bare, full_width, old_code
from source_tables import Municipality, SourceRow
from town_match import FLOOR_UNKNOWN, NOT_LISTED, CodeMatcher, TownName

# A street part that starts with a 丁目 number: "４丁目２－２", "一丁目１番７号".
_CHOME_STREET = re.compile(r"^[０-９一二三四五六七八九十]+丁目")


@dataclasses.dataclass
class TownRow:
    source: SourceRow
    municipality: Municipality
    name: TownName
    kana: str
    flags: list[int] = dataclasses.field(default_factory=lambda: [0] * 6)


def _match_code(rows: list[SourceRow], matcher: CodeMatcher) -> list[TownName]:
    """Runs the rules over all rows of one code, surest first, so that a looser
    rule cannot take an entry that a surer one would give to another row."""
    names: list[TownName | None] = [None] * len(rows)

    def each_row(rule) -> None:
        for i, row in enumerate(rows):
            if names[i] is None:
                names[i] = rule(row)

    each_row(lambda r: matcher.exact(r.pref, r.city, r.town))
    each_row(lambda r: matcher.floor(r.pref, r.town) if r.town else None)
    same_town: dict[tuple[str, str, str], list[int]] = collections.defaultdict(list)
    for i, row in enumerate(rows):
        if names[i] is None:
            same_town[(row.pref, row.city, row.town)].append(i)
    for (pref, city, town), indices in same_town.items():
        for i, name in zip(indices, matcher.annotated(pref, city, town, len(indices))):
            names[i] = name
    each_row(lambda r: matcher.numbered(r.pref, r.city, r.town) if r.town else None)
    each_row(lambda r: None if r.town else matcher.unnamed(r.pref, r.city))
    if names.count(None) == 1:
        each_row(lambda r: matcher.sole(r.pref, r.city, r.town))
    return [n or TownName(row.town) for n, row in zip(names, rows)]


def _name_unknown_floors(towns: list[SourceRow], named: dict[int, TownName]) -> None:
    """A building newer than the annotated list has its 地階・階層不明 row (code ending
    in 90) under its bare name: recognised by the floors of the same code block."""
    buildings = {(r.code[:5], named[id(r)].town) for r in towns if named[id(r)].how == "floor"}
    for row in towns:
        name = named[id(row)]
        if name.how == "unmatched" and row.code[5:] == "90" and (row.code[:5], row.town) in buildings:
            named[id(row)] = TownName(row.town, f"（{FLOOR_UNKNOWN}）", how="floor")


def _short_city_kana(municipality: Municipality) -> tuple[str, str]:
    """The municipality's name and reading without its 郡 part."""
    if "郡" in municipality.name:
        return municipality.name.split("郡", 1)[1], municipality.kana.split("ｸﾞﾝ", 1)[1]
    return municipality.name, municipality.kana


def _town_kana(row: SourceRow, name: TownName, municipality: Municipality, stats) -> str:
    base = row.town_kana
    if name.how == "floor":
        floor_kana = kana.reading(name.annotation[1:-1]) or ""
        base = base.removesuffix(floor_kana)
    elif name.town == NOT_LISTED:
        base = kana.reading(NOT_LISTED)
    elif name.added:
        short, short_kana = _short_city_kana(municipality)
        added = name.added
        if name.how == "special" and added.startswith(short):
            base, added = short_kana, added[len(short) :]
        extra = kana.reading(added, {row.town: row.town_kana} if row.town else None)
        if extra is None:
            stats["town kana without its added part"] += 1
        base += extra or ""
    if name.annotation and base:
        extra = kana.reading(name.annotation)
        if extra is None:
            stats["town kana without its annotation"] += 1
        base += extra or ""
    return base


def _fill_missing_kana(rows: list[TownRow], stats) -> None:
    """A name the sources give no reading for ("種市第８地割～…") takes the reading of
    the longest town name of its municipality that it starts with ("種市")."""
    known: dict[str, dict[str, str]] = collections.defaultdict(dict)
    for r in rows:
        if r.source.town and r.source.town_kana:
            known[r.municipality.jis].setdefault(r.source.town, r.source.town_kana)
    for r in rows:
        if r.kana:
            continue
        names = known[r.municipality.jis]
        prefixes = [t for t in names if r.name.full.startswith(t)]
        if prefixes:
            r.kana = names[max(prefixes, key=len)]
            stats["town kana taken from a shorter town name"] += 1
        else:
            stats["town kana empty"] += 1


def _set_flags(rows: list[TownRow], chome_towns: set[tuple[str, str]]) -> None:
    per_code = collections.Counter(r.source.code for r in rows)
    codes_of_town: dict[tuple[str, str], set[str]] = collections.defaultdict(set)
    annotated_chome: set[tuple[str, str]] = set()
    for r in rows:
        key = (r.municipality.jis, r.name.town)
        if r.name.how != "floor" and r.name.town != NOT_LISTED:
            codes_of_town[key].add(r.source.code)
        if "丁目" in r.name.annotation:
            annotated_chome.add(key)
    for r in rows:
        key = (r.municipality.jis, r.name.town)
        r.flags[0] = int(len(codes_of_town.get(key, ())) > 1)
        r.flags[2] = int(key in annotated_chome or key in chome_towns)
        r.flags[3] = int(per_code[r.source.code] > 1)


def chome_towns_of_offices(offices: list[SourceRow], municipalities) -> set[tuple[str, str]]:
    """(JIS code, town) of the towns where an office's street part starts with a 丁目."""
    return {
        (municipalities[(o.pref, o.city)].jis, o.town)
        for o in offices
        if (o.pref, o.city) in municipalities and _CHOME_STREET.match(full_width(o.street))
    }


def build(towns: list[SourceRow], annotated: dict, municipalities, chome_towns, stats) -> list[TownRow]:
    by_code: dict[str, list[SourceRow]] = collections.defaultdict(list)
    for row in towns:
        by_code[row.code].append(row)
    named: dict[int, TownName] = {}
    for code, rows in by_code.items():
        matcher = CodeMatcher(code, [(p, full_width(n)) for p, n in annotated.get(code, [])])
        for row, name in zip(rows, _match_code(rows, matcher)):
            named[id(row)] = name
        stats["older entries left unused"] += len(matcher.leftovers())
    _name_unknown_floors(towns, named)
    out = []
    for row in towns:
        municipality = municipalities[(row.pref, row.city)]
        name = named[id(row)]
        stats[f"town names: {name.how}"] += 1
        out.append(TownRow(row, municipality, name, _town_kana(row, name, municipality, stats)))
    _fill_missing_kana(out, stats)
    out.sort(key=lambda r: r.municipality.jis)  # stable: the source order within a municipality
    _set_flags(out, chome_towns)
    return out


def fields(row: TownRow) -> list:
    m, s = row.municipality, row.source
    return [
        Bare(m.jis), old_code(s.code), s.code,
        m.pref_kana, m.kana, row.kana,
        full_width(s.pref), full_width(s.city), full_width(row.name.full),
        *row.flags,
    ]
