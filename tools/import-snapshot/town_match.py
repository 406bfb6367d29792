"""Gives the newer town-area rows back the annotations that an older annotated list holds.

The newer rows (one per town area and code) carry bare town names: "大通西"
for "大通西（１～１９丁目）", "新宿三井ビル１階" for "新宿三井ビル（１階）", an
empty name for "以下に掲載がない場合". The older list keeps the annotations,
but writes each item of an enumerated annotation as an entry of its own
("大江（６６２番地）", "大江（６６８番地）") and puts the municipality name in
front of every continuation line of a long one ("（正面通二ノ宮西京都市下京区入）").
Matching is per postal code; an older entry is used by one row at most.
"""

import dataclasses

from official_text import full_width

NOT_LISTED = "以下に掲載がない場合"
LOT_NUMBERS_FOLLOW = "の次に番地がくる場合"
FLOOR_UNKNOWN = "地階・階層不明"

# Spellings that were changed between the two states of the data.
_FOLD = str.maketrans({"ヶ": "ケ", "螢": "蛍", "舘": "館", "﨑": "崎", "髙": "高", "邊": "辺", "邉": "辺"})
_MUNICIPALITY_END = ("市", "区", "町", "村")


def _fold(text: str) -> str:
    return text.translate(_FOLD)


@dataclasses.dataclass
class Entry:
    pref: str
    name: str
    used: bool = False

    @property
    def base(self) -> str:
        return self.name.split("（", 1)[0]

    @property
    def annotation(self) -> str:
        return self.name[len(self.base) :]


@dataclasses.dataclass
class TownName:
    """The reconstructed name: `town` + `annotation`; `added` is the part of `town`
    that the newer row lacked, `how` names the rule that produced it."""

    town: str
    annotation: str = ""
    added: str = ""
    how: str = "unmatched"

    @property
    def full(self) -> str:
        return self.town + self.annotation


def _split_municipality(entry: Entry, city: str, town: str) -> tuple[str, str] | None:
    """(older municipality name, town part) of an entry, or None when it is not of `city`.

    A municipality that has been renamed since (a reorganised ward) is recognised
    by the town name at the end of the entry's base name.
    """
    base = entry.base
    if _fold(base).startswith(_fold(city)):
        return city, base[len(city) :]
    if town and _fold(base).endswith(_fold(town)):
        old_city = base[: len(base) - len(town)]
        if old_city.endswith(_MUNICIPALITY_END):
            return old_city, base[len(old_city) :]
    return None


def _joined_annotation(entries: list[Entry], old_city: str) -> str:
    items: list[str] = []
    for entry in entries:
        inner = entry.annotation[1:-1].replace(old_city, "")
        if inner not in items:
            items.append(inner)
    return "（" + "、".join(items) + "）"


class CodeMatcher:
    """Matches the newer rows of one postal code to that code's older entries."""

    def __init__(self, code: str, entries: list[tuple[str, str]]) -> None:
        self.code = code
        self.entries = [Entry(pref, name) for pref, name in entries]

    def _free(self, pref: str):
        return [e for e in self.entries if not e.used and e.pref == pref]

    def exact(self, pref: str, city: str, town: str) -> TownName | None:
        for entry in self._free(pref):
            split = _split_municipality(entry, city, town)
            if split and not entry.annotation and _fold(split[1]) == _fold(town):
                entry.used = True
                return TownName(town or NOT_LISTED, how="exact")
        return None

    def floor(self, pref: str, town: str) -> TownName | None:
        """A floor of a building with codes of its own: "…ビル１階" -> "…ビル（１階）".

        The last two digits of such a code are the floor, 90 where the floor is unknown.
        """
        last = int(self.code[5:])
        floor = FLOOR_UNKNOWN if last == 90 else full_width(f"{last}階")
        if last == 0 or not town.endswith(floor) or len(town) == len(floor):
            return None
        for entry in self._free(pref):
            if entry.name.endswith(f"（{floor}）"):
                entry.used = True
                break
        return TownName(town[: -len(floor)], f"（{floor}）", how="floor")

    def annotated(self, pref: str, city: str, town: str, rows: int) -> list[TownName]:
        """Names for `rows` rows of the same town name from the entries that annotate it.

        Several such rows take one entry each; entries beyond the rows are the
        items of one enumerated annotation and are joined into the last row's.
        """
        found, old_city = [], city
        for entry in self._free(pref):
            split = _split_municipality(entry, city, town)
            if split and entry.annotation and _fold(split[1]) == _fold(town):
                found.append(entry)
                old_city = split[0]
        for entry in found:
            entry.used = True
        groups = [[e] for e in found[: rows - 1]] + [found[rows - 1 :]]
        return [
            TownName(town or NOT_LISTED, _joined_annotation(group, old_city), how="annotated")
            for group in groups
            if group
        ]

    def numbered(self, pref: str, city: str, town: str) -> TownName | None:
        """Entries that continue the town name: "大渡" -> "大渡５７地割"."""
        found = []
        for entry in self._free(pref):
            split = _split_municipality(entry, city, town)
            if not split or entry.annotation:
                continue
            rest = split[1]
            if len(rest) > len(town) and _fold(rest).startswith(_fold(town)):
                found.append(rest)
                entry.used = True
        if not found:
            return None
        extended = "、".join(found)
        return TownName(town + extended[len(town) :], added=extended[len(town) :], how="numbered")

    def unnamed(self, pref: str, city: str) -> TownName:
        """A row without a town name: a special name the older list keeps, else NOT_LISTED."""
        short = city.split("郡", 1)[1] if "郡" in city else city
        named = [(e, split) for e in self._free(pref) if (split := _split_municipality(e, city, ""))]
        named = [(e, town) for e, (_, town) in named if town]
        if not named:
            return TownName(NOT_LISTED, how="not-listed")
        town = named[0][1]
        if town == short:
            town += LOT_NUMBERS_FOLLOW
        same = [e for e, t in named if t == named[0][1]]
        for entry in same:
            entry.used = True
        annotated = [e for e in same if e.annotation]
        annotation = _joined_annotation(annotated, city) if annotated else ""
        return TownName(town, annotation, added=town, how="special")

    def sole(self, pref: str, city: str, town: str) -> TownName | None:
        """The one entry left for the one row left: a town renamed since; its annotation."""
        free = [e for e in self._free(pref) if _split_municipality(e, city, "")]
        if len(free) != 1:
            return None
        free[0].used = True
        return TownName(town, free[0].annotation, how="sole")

    def leftovers(self) -> list[Entry]:
        return [e for e in self.entries if not e.used]
