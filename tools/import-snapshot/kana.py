"""Half-width katakana readings for the fixed words of town-area annotations."""

import unicodedata

# Words of annotations and special town names with their official readings,
# longest first so that "番地" wins over "番".
_WORDS = sorted(
    {
        "以下に掲載がない場合": "ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ",
        "の次に番地がくる場合": "ﾉﾂｷﾞﾆﾊﾞﾝﾁｶﾞｸﾙﾊﾞｱｲ",
        "次のビルを除く": "ﾂｷﾞﾉﾋﾞﾙｦﾉｿﾞｸ",
        "の次に": "ﾉﾂｷﾞﾆ",
        "がくる場合": "ｶﾞｸﾙﾊﾞｱｲ",
        "地階・階層不明": "ﾁｶｲ･ｶｲｿｳﾌﾒｲ",
        "を除く": "ｦﾉｿﾞｸ",
        "その他": "ｿﾉﾀ",
        "丁目": "ﾁｮｳﾒ",
        "番地": "ﾊﾞﾝﾁ",
        "地割": "ﾁﾜﾘ",
        "以上": "ｲｼﾞｮｳ",
        "以下": "ｲｶ",
        "以外": "ｲｶﾞｲ",
        "全域": "ｾﾞﾝｲｷ",
        "一円": "ｲﾁｴﾝ",
        "地階": "ﾁｶｲ",
        "番": "ﾊﾞﾝ",
        "号": "ｺﾞｳ",
        "階": "ｶｲ",
        "第": "ﾀﾞｲ",
        "の": "ﾉ",
        # place names of the few special town names whose reading the sources omit
        "種市": "ﾀﾈｲﾁ",
        "甲": "ｺｳ",
        "乙": "ｵﾂ",
        "～": "-",
        "－": "-",
        "、": "､",
        "・": "･",
        "（": "(",
        "）": ")",
        "「": "｢",
        "」": "｣",
    }.items(),
    key=lambda item: -len(item[0]),
)


def _half_width_katakana() -> dict[str, str]:
    """Full-width katakana -> half-width spelling, voiced marks as separate characters."""
    table = {"ヵ": "ｶ", "ヶ": "ｹ", "ヮ": "ﾜ"}
    bases = [chr(c) for c in range(0xFF66, 0xFF9E)]
    for base in bases:
        for spelling in (base, base + "ﾞ", base + "ﾟ"):
            wide = unicodedata.normalize("NFKC", spelling)
            if len(wide) == 1 and wide not in table:
                table[wide] = spelling
    return table


_KATAKANA = _half_width_katakana()


def narrow_char(ch: str) -> str | None:
    """The half-width reading of a digit, Latin letter or katakana; None otherwise."""
    if ch in _KATAKANA:
        return _KATAKANA[ch]
    code = ord(ch)
    if 0xFF10 <= code <= 0xFF19 or 0xFF21 <= code <= 0xFF3A or 0xFF41 <= code <= 0xFF5A:
        return chr(code - 0xFEE0)
    return None


def reading(text: str, known: dict[str, str] | None = None) -> str | None:
    """Reads a text made only of annotation words, digits, letters, katakana and
    the `known` names (name -> reading).

    Returns None when the text holds anything else (a place name in kanji),
    whose reading the sources do not give.
    """
    words = sorted((known or {}).items(), key=lambda item: -len(item[0])) + _WORDS
    out = []
    i = 0
    while i < len(text):
        for word, kana in words:
            if text.startswith(word, i):
                out.append(kana)
                i += len(word)
                break
        else:
            kana = narrow_char(text[i])
            if kana is None:
                return None
            out.append(kana)
            i += 1
    return "".join(out)
