#!/usr/bin/env python3
"""Checks the user manual: every section a window's F1 opens exists, every link
inside the manual lands on an existing id, the tags are balanced, and nothing is
loaded from outside the manual's folder.

    check_manual.py MANUAL_DIR

Prints one line per problem and exits 1 when there is any, else 0.
"""
import sys
from html.parser import HTMLParser
from pathlib import Path
from urllib.parse import urlsplit

# The sections the windows open with F1, the ones the main menu's clipboard
# refusal warnings point at, and those of the command line and the data update.
REQUIRED_IDS = [
    "MainWindow", "SplashWindow", "PreparingWindow", "ToolsMenuWindow", "SystemInfoWindow",
    "CodeToAddressWindow", "SearchResultWindow", "AddressToCodeWindow",
    "BatchAddressToCodeWindow", "BatchCodeToAddressWindow", "RecordViewWindow",
    "AddressEditFormatWindow", "ClipboardConvertWindow", "OfficeNameSearchWindow",
    "CsvExportWindow", "SettingsWindow",
    "context-251", "context-252", "context-253", "context-254", "context-255",
    "command-line", "data-update",
]

# Elements that have no end tag.
VOID_ELEMENTS = {
    "area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source",
    "track", "wbr",
}

# Attributes whose value is a URL the browser loads or follows.
URL_ATTRIBUTES = {"href", "src"}


class ManualParser(HTMLParser):
    """Collects ids, links and tag-balance problems of one page."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.ids = []
        self.links = []  # (line, tag, url)
        self.problems = []
        self.open_tags = []  # (tag, line)

    def handle_starttag(self, tag, attrs):
        line = self.getpos()[0]
        for name, value in attrs:
            if name == "id" and value is not None:
                self.ids.append((line, value))
            if name in URL_ATTRIBUTES and value is not None:
                self.links.append((line, tag, value))
        if tag not in VOID_ELEMENTS:
            self.open_tags.append((tag, line))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID_ELEMENTS:
            self.open_tags.pop()

    def handle_endtag(self, tag):
        line = self.getpos()[0]
        if tag in VOID_ELEMENTS:
            self.problems.append(f"line {line}: end tag </{tag}> of an element without one")
            return
        if not self.open_tags:
            self.problems.append(f"line {line}: </{tag}> closes nothing")
            return
        open_tag, open_line = self.open_tags[-1]
        if open_tag == tag:
            self.open_tags.pop()
            return
        self.problems.append(
            f"line {line}: </{tag}> closes <{open_tag}> opened on line {open_line}")
        # Recover when the end tag matches an element further out.
        for depth in range(len(self.open_tags) - 1, -1, -1):
            if self.open_tags[depth][0] == tag:
                del self.open_tags[depth:]
                return

    def close(self):
        super().close()
        for tag, line in self.open_tags:
            self.problems.append(f"line {line}: <{tag}> is never closed")
        self.open_tags = []


def check_page(path, ids_by_page):
    """The problems of one page; its ids go into ids_by_page[path.name]."""
    parser = ManualParser()
    parser.feed(path.read_text(encoding="utf-8"))
    parser.close()
    problems = [f"{path.name}: {p}" for p in parser.problems]
    seen = {}
    for line, value in parser.ids:
        if value in seen:
            problems.append(f"{path.name}: line {line}: id \"{value}\" repeats line {seen[value]}")
        seen.setdefault(value, line)
    ids_by_page[path.name] = set(seen)
    return problems, parser.links


def check_link(page, line, tag, url, folder, ids_by_page):
    """The problem with one link, or None. Links to the web are allowed only as
    plain anchors a person follows, never as something the page loads."""
    parts = urlsplit(url)
    where = f"{page}: line {line}: <{tag}> \"{url}\""
    if parts.scheme or parts.netloc:
        if tag == "a" and parts.scheme in ("http", "https", "mailto"):
            return None
        return f"{where} loads something from outside the manual"
    target = parts.path or page
    if not (folder / target).is_file():
        return f"{where} points to a missing file"
    if parts.fragment and target in ids_by_page and parts.fragment not in ids_by_page[target]:
        return f"{where} points to a missing id"
    return None


def check_manual(folder):
    folder = Path(folder)
    index = folder / "index.html"
    if not index.is_file():
        return [f"{index} is missing"]
    problems = []
    ids_by_page = {}
    links = []
    for page in sorted(folder.glob("*.html")):
        page_problems, page_links = check_page(page, ids_by_page)
        problems += page_problems
        links += [(page.name, *link) for link in page_links]
    for page, line, tag, url in links:
        problem = check_link(page, line, tag, url, folder, ids_by_page)
        if problem:
            problems.append(problem)
    for required in REQUIRED_IDS:
        if required not in ids_by_page["index.html"]:
            problems.append(f"index.html: no section with id \"{required}\"")
    return problems


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    problems = check_manual(argv[1])
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
