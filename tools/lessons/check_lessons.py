#!/usr/bin/env python3
"""Checks the lesson files of the data folder against the lesson catalogue.

For every page of the catalogue it verifies that the file exists under its exact name
(accents included), that it is a well-formed RTF file fit for the narrow text column of
the lesson screen (no pictures, no tables, a readable body size), that its text is as
long as a lesson should be, that it was regenerated from the current HTML source, and
that every box of figures ("L'Italia di oggi") of the source is dated and closed by the
paragraph naming its source and year, that every figure of today comes from oggi.toml
(in the lesson sources and in the script that draws the pictures), and that units after
a number are written as symbols (‰, km²).

    python3 tools/lessons/check_lessons.py [DATA_FOLDER]

Exits with status 1 and one line per fault when something is wrong.
"""
import html.parser
import os
import re
import sys
import unicodedata

import oggi

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_DATA = os.path.join(HERE, "..", "..", "data", "perCensaria")
PICTURE_SCRIPT = os.path.join(HERE, "..", "draw_lesson_pictures.py")

# The lesson files named by the topic catalogue of the lesson screen, in page order.
CATALOGUE = [
    "a-storia1.rtf", "a-storia2.rtf", "a-storia3.rtf", "a-storia4.rtf",
    "a-statistica1.rtf", "a-statistica2.rtf", "a-densità1.rtf", "a-densità2.rtf",
    "a-piramidi1.rtf", "a-piramidi2.rtf", "a-italia.rtf", "a-popmontenovo.rtf",
    "a-piramidimondo.rtf",
]
# The in-depth page spreads over the picture area, so its text may hold a picture.
WIDE_PAGES = {"a-popmontenovo.rtf", "a-piramidimondo.rtf"}
MIN_WORDS, MAX_WORDS = 500, 1000
SMALLEST_FONT_HALF_POINTS = 22  # 11 pt

# Groups whose content is not text of the page.
SKIPPED_DESTINATIONS = {
    "fonttbl", "colortbl", "stylesheet", "info", "listtable", "listoverridetable",
    "listtext", "pict", "object", "header", "footer", "pntext", "pgdsctbl",
}
TOKEN = re.compile(rb"\\([a-z]+)(-?\d+)? ?|\\'([0-9a-fA-F]{2})|\\(.)|([{}])|([^\\{}\r\n]+)|[\r\n]+",
                   re.DOTALL)


def rtf_text(data):
    """The visible text of an RTF document; raises ValueError when it is malformed."""
    out = []
    stack = []          # (skipping, unicode skip count) of the enclosing groups
    skipping = False
    uc = 1              # characters that stand in for each \uN
    pending_skip = 0    # fallback characters still to drop after a \uN
    group_start = False
    for match in TOKEN.finditer(data):
        word, param, hexcode, symbol, brace, text = match.groups()
        if brace == b"{":
            stack.append((skipping, uc))
            group_start = True
            continue
        if brace == b"}":
            if not stack:
                raise ValueError("unbalanced closing brace")
            skipping, uc = stack.pop()
            group_start = False
            continue
        starts_group, group_start = group_start, False
        if symbol == b"*" and starts_group:
            skipping = True
        elif word is not None:
            name = word.decode()
            if name in SKIPPED_DESTINATIONS:
                skipping = True
            elif name == "uc":
                uc = int(param)
            elif skipping:
                pass
            elif name == "u":
                out.append(chr(int(param) % 65536))
                pending_skip = uc
            elif name in ("par", "line", "sect", "page"):
                out.append("\n")
            elif name in ("tab", "cell"):
                out.append(" ")
        elif skipping:
            continue
        elif hexcode is not None:
            if pending_skip:
                pending_skip -= 1
            else:
                out.append(bytes.fromhex(hexcode.decode()).decode("cp1252"))
        elif symbol is not None:
            out.append({b"~": "\u00a0", b"-": "", b"_": "-"}.get(symbol, symbol.decode("latin-1")))
        elif text is not None:
            chunk = text.decode("cp1252")
            dropped = min(pending_skip, len(chunk))
            pending_skip -= dropped
            out.append(chunk[dropped:])
    if stack:
        raise ValueError("unbalanced opening brace")
    return "".join(out)


class HtmlText(html.parser.HTMLParser):
    """The text of the body of an HTML source."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.parts = []
        self.in_body = False

    def handle_starttag(self, tag, attrs):
        self.in_body = self.in_body or tag == "body"

    def handle_data(self, data):
        if self.in_body:
            self.parts.append(data)


# Paragraph classes of a box of figures, and of the paragraph that must close it.
BOX_CLASSES = {"oggi", "oggicalcolo"}
SOURCE_CLASS = "fonte"
SOURCE_LINE = re.compile(r"^Font[ei]: \S.*\b(1[89]|20)\d\d\b")
YEAR = re.compile(r"\b(1[5-9]|20)\d\d\b")


class HtmlParagraphs(html.parser.HTMLParser):
    """The paragraphs of an HTML source as (class, text) pairs, in order."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.paragraphs = []
        self.current = None

    def handle_starttag(self, tag, attrs):
        if tag in ("p", "li", "h1", "h2"):
            self.current = [dict(attrs).get("class") or "", []]
            self.paragraphs.append(self.current)

    def handle_endtag(self, tag):
        if tag in ("p", "li", "h1", "h2"):
            self.current = None

    def handle_data(self, data):
        if self.current is not None:
            self.current[1].append(data)


def box_faults(name, source_html):
    """Faults of the boxes of figures of one HTML source."""
    parser = HtmlParagraphs()
    parser.feed(source_html)
    paragraphs = [(kind, " ".join("".join(parts).split())) for kind, parts in parser.paragraphs]
    faults = []
    box = []
    for kind, text in paragraphs + [("", "")]:
        if kind in BOX_CLASSES:
            box.append(text)
            continue
        if kind == SOURCE_CLASS:
            if not box:
                faults.append(f"{name}: a source line without its box of figures: {text[:40]!r}")
            elif not SOURCE_LINE.match(text):
                faults.append(f"{name}: the source of a box must say \"Fonte: SOURCE, YEAR\": {text[:60]!r}")
        elif box:
            faults.append(f"{name}: a box of figures without its source line: {box[0][:40]!r}")
        if box and not YEAR.search(" ".join(box)):
            faults.append(f"{name}: a box of figures without the year of its figures: {box[0][:40]!r}")
        box = []
    return faults


def words(text):
    return [w for w in re.split(r"[\s\u00a0]+", text) if re.search(r"\w", w)]


def check_lesson(name, data_folder, figures):
    faults = []
    path = os.path.join(data_folder, name)
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(b"{\\rtf1"):
        return [f"{name}: does not start as an RTF file"]
    try:
        text = rtf_text(data)
    except ValueError as error:
        return [f"{name}: malformed RTF ({error})"]
    count = len(words(text))
    if not MIN_WORDS <= count <= MAX_WORDS:
        faults.append(f"{name}: {count} words, outside {MIN_WORDS}-{MAX_WORDS}")
    for control, what in ((rb"\\pict", "an embedded picture"), (rb"\\trowd", "a table"),
                          (rb"\\object", "an embedded object")):
        if control == rb"\\pict" and name in WIDE_PAGES:
            continue
        if re.search(control + rb"(?![a-z])", data):
            faults.append(f"{name}: contains {what}, which the narrow column cannot show")
    sizes = [int(s) for s in re.findall(rb"\\fs(\d+)", data)]
    if not sizes or min(sizes) < SMALLEST_FONT_HALF_POINTS:
        faults.append(f"{name}: text smaller than {SMALLEST_FONT_HALF_POINTS // 2} pt")
    source = os.path.join(HERE, name[:-len(".rtf")] + ".html")
    if not os.path.exists(source):
        faults.append(f"{name}: no HTML source {os.path.basename(source)}")
        return faults
    with open(source, encoding="utf-8") as f:
        source_html = f.read()
    faults.extend(oggi.literal_faults(name, source_html, figures))
    try:
        source_html = oggi.render(source_html, figures)
    except (KeyError, ValueError) as error:
        return faults + [f"{name}: its figures of today cannot be put in: {error!r}"]
    parser = HtmlText()
    parser.feed(source_html)
    source_text = "".join(parser.parts)
    faults.extend(box_faults(name, source_html))
    faults.extend(typography_faults(name, source_text))
    if words(source_text) != words(text):
        faults.append(f"{name}: differs from its source; run tools/lessons/make_lessons.sh")
    try:
        source_text.encode("cp1252")
    except UnicodeEncodeError as error:
        faults.append(f"{name}: character {source_text[error.start]!r} is not in the Windows code page")
    return faults


# Units as the house style writes them after a number.
TYPOGRAPHY = [
    (re.compile(r"\d[\s\u00a0]+per mille\b"), "a rate written «per mille» after a number: write ‰"),
    (re.compile(r"\d[\s\u00a0]*(ab/)?kmq\b", re.IGNORECASE), "an area in «kmq» after a number: write km²"),
    (re.compile(r"\bE'(?=\s)"), "«E'» where «È» is meant"),
]


def typography_faults(name, source_text):
    """Faults of the units and accents of one lesson text."""
    faults = []
    for pattern, fault in TYPOGRAPHY:
        for match in pattern.finditer(source_text):
            faults.append(f"{name}: {fault}: {match.group(0)!r}")
    return faults


def script_faults(path, figures):
    """The pictures' script takes today's figures from oggi.toml too: it writes no year of today."""
    with open(path, encoding="utf-8") as f:
        code = f.read()
    name = os.path.basename(path)
    return [f"{name}: the year {m.group(0)} written instead of taken from oggi.toml"
            for m in oggi.present_years(figures).finditer(code)]


def check_folder(data_folder, figures_file=oggi.DEFAULT_FILE, picture_script=PICTURE_SCRIPT):
    present = set(os.listdir(data_folder))
    figures = oggi.Figures(figures_file)
    faults = script_faults(picture_script, figures)
    for name in CATALOGUE:
        if name not in present:
            decomposed = unicodedata.normalize("NFD", name)
            hint = " (found with a decomposed accent)" if decomposed in present else ""
            faults.append(f"{name}: missing{hint}")
            continue
        faults.extend(check_lesson(name, data_folder, figures))
    extra = sorted(n for n in present if n.startswith("a-") and n.endswith(".rtf") and n not in CATALOGUE)
    faults.extend(f"{n}: not a page of the catalogue" for n in extra)
    return faults


def main():
    data_folder = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_DATA
    faults = check_folder(data_folder)
    for fault in faults:
        print(fault)
    failed = {fault.split(":")[0] for fault in faults}
    passed = len(set(CATALOGUE) - failed)
    print(f"lessons: {passed} passed, {len(failed)} failed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
