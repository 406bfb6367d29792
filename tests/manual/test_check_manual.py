#!/usr/bin/env python3
"""The manual checker finds each kind of fault in a small manual written here."""
import tempfile
import unittest
from pathlib import Path

from check_manual import REQUIRED_IDS, check_manual


def page(body, head='<link rel="stylesheet" href="manual.css">'):
    sections = "".join(f'<section id="{i}"><p>x</p></section>' for i in REQUIRED_IDS)
    return (f'<!DOCTYPE html><html lang="ja"><head><meta charset="utf-8">{head}'
            f"<title>t</title></head><body>{sections}{body}</body></html>")


class CheckManualTest(unittest.TestCase):
    def problems(self, html, files=("manual.css",)):
        with tempfile.TemporaryDirectory() as folder:
            Path(folder, "index.html").write_text(html, encoding="utf-8")
            for name in files:
                Path(folder, name).write_text("", encoding="utf-8")
            return check_manual(folder)

    def test_faults(self):
        cases = [
            ("a sound page", page('<p><a href="#MainWindow">m</a><br></p>'), None),
            ("a link to a missing id", page('<p><a href="#nowhere">x</a></p>'), "missing id"),
            ("a link to a missing id of the page by name",
             page('<p><a href="index.html#nowhere">x</a></p>'), "missing id"),
            ("a link to a missing page", page('<p><a href="other.html">x</a></p>'),
             "missing file"),
            ("an unclosed element", page("<div><p>x</p>"), "closes <div>"),
            ("an element open at the end", page("") + "<p>", "never closed"),
            ("crossed end tags", page("<p><b>x</p></b>"), "closes <b>"),
            ("an end tag of a void element", page("<p>x<br></br></p>"), "without one"),
            ("a repeated id", page('<p id="MainWindow">x</p>'), "repeats"),
            ("a stylesheet from the web",
             page("", head='<link rel="stylesheet" href="https://example.org/a.css">'),
             "outside the manual"),
            ("a missing stylesheet", page(""), "missing file"),
        ]
        for name, html, expected in cases:
            with self.subTest(name):
                files = () if name == "a missing stylesheet" else ("manual.css",)
                problems = self.problems(html, files)
                if expected is None:
                    self.assertEqual(problems, [])
                else:
                    self.assertTrue(any(expected in p for p in problems), problems)

    def test_missing_required_section(self):
        html = page("").replace('id="context-253"', 'id="context-999"')
        problems = self.problems(html)
        self.assertEqual(problems, ['index.html: no section with id "context-253"'])


if __name__ == "__main__":
    unittest.main()
