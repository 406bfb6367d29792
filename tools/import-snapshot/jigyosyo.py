"""Builds the rows of JIGYOSYO.CSV (one line per office or post-office box, 13 columns)."""

import re

from official_text import Bare, old_code
from source_tables import SourceRow

# "（奈良中央郵便局私書箱第２１号）" at the end of a post-office box's street part;
# the office in front of 郵便局 is the one that handles the box.
_PO_BOX = re.compile(r"（([^（）]*?)郵便局[^（）]*私書箱[^（）]*）$")


def handling_office(street: str) -> str:
    match = _PO_BOX.search(street)
    return match.group(1) if match else ""


def fields(office: SourceRow, municipalities) -> list:
    municipality = municipalities[(office.pref, office.city)]
    handler = handling_office(office.street)
    return [
        Bare(municipality.jis),
        "",  # the sources give no reading of office names
        office.office,
        office.pref,
        office.city,
        office.town,
        office.street,
        office.code,
        old_code(office.code),
        handler,
        int(bool(handler)),
        0,
        0,
    ]
