"""Checks of the import's rules on small hand-made cases.

Run by hand: python3 -m unittest discover tools/import-snapshot
"""

import sys
import unittest

sys.dont_write_bytecode = True

import jigyosyo
import kana
from ken_all import _match_code
from official_text import Bare, Cp932Writer, full_width, old_code
from source_tables import SourceRow
from town_match import CodeMatcher


def names_for(code: str, entries: list[str], rows: list[tuple[str, str]], pref="北海道") -> list[str]:
    """Full town names that the rows (municipality, bare town) of one code get."""
    source = [SourceRow(code, pref, city, town, "", "", "", "", "") for city, town in rows]
    matcher = CodeMatcher(code, [(pref, full_width(e)) for e in entries])
    return [name.full for name in _match_code(source, matcher)]


class TownNameTest(unittest.TestCase):
    def test_annotations_come_back(self):
        cases = [
            # code, older entries, newer rows, expected names
            ("0600042", ["札幌市中央区大通西（１〜１９丁目）"], [("札幌市中央区", "大通西")],
             ["大通西（１～１９丁目）"]),
            ("1000000", ["千代田区"], [("千代田区", "")], ["以下に掲載がない場合"]),
            ("1630401", ["新宿区西新宿新宿三井ビル（１階）"], [("新宿区", "西新宿新宿三井ビル１階")],
             ["西新宿新宿三井ビル（１階）"]),
            ("1630490", ["新宿区西新宿新宿三井ビル（地階・階層不明）"], [("新宿区", "西新宿新宿三井ビル")],
             ["西新宿新宿三井ビル（地階・階層不明）"]),
            # a building newer than the older list, and one whose name ends in digits
            ("1076409", [], [("港区", "赤坂赤坂トラストタワー９階")], ["赤坂赤坂トラストタワー（９階）"]),
            ("1706043", [], [("豊島区", "東池袋サンシャイン６０４３階")], ["東池袋サンシャイン６０（４３階）"]),
            # a town that merely ends in 階 under a code that is not its floor
            ("1234567", [], [("某市", "三階")], ["三階"]),
            # a ward renamed since the older list
            ("4311305", ["浜松市北区細江町気賀（その他）"], [("浜松市浜名区", "細江町気賀")],
             ["細江町気賀（その他）"]),
            # an enumerated annotation split into entries, with the municipality
            # repeated at a line break
            ("0482331", ["余市郡仁木町大江（６６２番地）", "余市郡仁木町大江（余市郡仁木町６６８番地）"],
             [("余市郡仁木町", "大江")], ["大江（６６２番地、６６８番地）"]),
            # as many rows of one name as entries: one entry each
            ("7440061", ["下松市河内", "下松市河内（青葉台）", "下松市河内（大河内）"],
             [("下松市", "河内")] * 3, ["河内", "河内（青葉台）", "河内（大河内）"]),
            ("0295521", ["和賀郡西和賀町大渡５７地割"], [("和賀郡西和賀町", "大渡")], ["大渡５７地割"]),
            ("8550038", ["島原市島原市"], [("島原市", "")], ["島原市の次に番地がくる場合"]),
            ("1000301", ["利島村利島村一円"], [("利島村", "")], ["利島村一円"]),
            # a row with no older entry keeps its bare name
            ("9999999", [], [("某市", "新町")], ["新町"]),
        ]
        for code, entries, rows, expected in cases:
            with self.subTest(code=code):
                self.assertEqual(names_for(code, entries, rows), expected)


class TextTest(unittest.TestCase):
    def test_old_code(self):
        for code, expected in [("0600042", "060  "), ("1000001", "100  "), ("1636001", "16360"),
                               ("9013601", "90136")]:
            self.assertEqual(old_code(code), expected, code)

    def test_full_width(self):
        for text, expected in [("ABC 1-2", "ＡＢＣ\u3000１－２"), ("１〜３−４", "１～３－４"),
                               ("東京", "東京")]:
            self.assertEqual(full_width(text), expected, text)

    def test_reading(self):
        cases = [
            ("（１～１９丁目）", None, "(1-19ﾁｮｳﾒ)"),
            ("（地階・階層不明）", None, "(ﾁｶｲ･ｶｲｿｳﾌﾒｲ)"),
            ("（次のビルを除く）", None, "(ﾂｷﾞﾉﾋﾞﾙｦﾉｿﾞｸ)"),
            ("（ア、ガ）", None, "(ｱ､ｶﾞ)"),
            ("（高層棟）", None, None),
            ("５７地割、樺沢５８地割", {"樺沢": "ｶﾊﾞｻﾜ"}, "57ﾁﾜﾘ､ｶﾊﾞｻﾜ58ﾁﾜﾘ"),
        ]
        for text, known, expected in cases:
            self.assertEqual(kana.reading(text, known), expected, text)

    def test_csv_line(self):
        writer = Cp932Writer()
        self.assertEqual(writer.encode_line([Bare("01101"), "060  ", "大通西（１～１９丁目）", 1]),
                         b'01101,"060  ","' + "大通西（１～１９丁目）".encode("cp932") + b'",1\r\n')
        self.assertEqual(writer.encode_line(["a\u2603"]), b'"a' + "〓".encode("cp932") + b'"\r\n')
        self.assertEqual(writer.substituted["\u2603"], 1)


class OfficeTest(unittest.TestCase):
    def test_handling_office(self):
        for street, expected in [
            ("１丁目３（札幌中央郵便局私書箱第１６７号）", "札幌中央"),
            ("字館の沖１８番地（陸前高田郵便局・郵便分室私書箱第１１号）", "陸前高田"),
            ("三丁目２８番１２号（名古屋西郵便局ＪＰタワー私書箱第１２号）", "名古屋西"),
            ("４丁目２－２札幌ノースプラザ１０Ｆ", ""),
        ]:
            self.assertEqual(jigyosyo.handling_office(street), expected, street)


if __name__ == "__main__":
    unittest.main()
