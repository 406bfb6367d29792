"""Character forms of the official files: full-width names, CP932 bytes, CSV lines."""

import collections

# The two characters that Unicode sources write in their JIS-mapped forms but
# CP932 only has in their full-width forms.
_CP932_FORMS = str.maketrans({"\u301c": "\uff5e", "\u2212": "\uff0d"})

# Stands in for a character that CP932 cannot encode, as in printed JIS texts.
SUBSTITUTE = "〓"


def full_width(text: str) -> str:
    """Name columns are full-width: ASCII becomes its full-width form, blanks U+3000."""
    out = []
    for ch in text.translate(_CP932_FORMS):
        code = ord(ch)
        if ch == " ":
            out.append("\u3000")
        elif 0x21 <= code <= 0x7E:
            out.append(chr(code + 0xFEE0))
        else:
            out.append(ch)
    return "".join(out)


class Bare(str):
    """A text the CSV writes without quotes, as the official files do for numbers."""


class Cp932Writer:
    """Encodes CSV lines to CP932 bytes, counting the characters it had to substitute."""

    def __init__(self) -> None:
        self.substituted: collections.Counter[str] = collections.Counter()

    def encode_char(self, ch: str) -> bytes:
        try:
            return ch.encode("cp932")
        except UnicodeEncodeError:
            self.substituted[ch] += 1
            return SUBSTITUTE.encode("cp932")

    def encode_line(self, fields: list[str | int]) -> bytes:
        """Text fields are quoted, numbers and `Bare` texts are not; lines end in CR LF."""
        cells = [str(f) if isinstance(f, (int, Bare)) else f'"{f}"' for f in fields]
        line = ",".join(cells)
        try:
            body = line.encode("cp932")
        except UnicodeEncodeError:
            body = b"".join(self.encode_char(ch) for ch in line)
        return body + b"\r\n"


def old_code(code: str) -> str:
    """The pre-1998 code a seven-digit code grew from: "060  " for 0600042, else 5 digits."""
    return code[:3] + "  " if code[3:5] == "00" else code[:5]
