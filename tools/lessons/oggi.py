#!/usr/bin/env python3
"""The figures of "today" of the lessons, kept in oggi.toml, and the pages made from them.

A lesson source writes a figure as a placeholder, {{name}} or {{name:format,format}}:

    (none)     the value, in groups of three digits: 58 943 464; a text as it is, and
               a year (forma = "anno" in oggi.toml) without groups: 2024
    migliaia   rounded to thousands: 370 000
    1, 2       with one or two decimals: 6,3
    segno      with "+" before a positive value: +244 000
    assoluto   without its sign: 27 766

and closes each box of figures with <p class="fonte">{{fonti}}</p>, which becomes the
line naming the sources of the figures of that box. Numbers are joined with no-break
spaces, so that the narrow column never splits one.
"""
import ast
import html
import operator
import os
import re
import tomllib

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_FILE = os.path.join(HERE, "oggi.toml")

PLACEHOLDER = re.compile(r"\{\{\s*([a-z_]+)\s*(?::\s*([a-z0-9_, ]+?))?\s*\}\}")
SOURCES = "fonti"
FORMATS = {"migliaia", "1", "2", "segno", "assoluto"}
NBSP = "\u00a0"


class Figures:
    """The figures of oggi.toml: values (given or computed by their formula), sources."""

    def __init__(self, path=DEFAULT_FILE):
        with open(path, "rb") as f:
            data = tomllib.load(f)
        self.sources = data["fonti"]
        self.entries = data["dati"]
        self.values = {}
        self.texts = {}
        for name, entry in self.entries.items():
            for key in ("quando",):
                if key not in entry:
                    raise ValueError(f"{name}: no «{key}»")
            if "testo" in entry:
                self.texts[name] = entry["testo"]
            elif "valore" not in entry and "formula" not in entry:
                raise ValueError(f"{name}: neither «valore» nor «formula» nor «testo»")
            if "formula" not in entry and entry.get("fonte") not in self.sources:
                raise ValueError(f"{name}: unknown source {entry.get('fonte')!r}")
        for name in self.entries:
            if name not in self.texts:
                self.value(name)

    def value(self, name, seen=()):
        if name in self.values:
            return self.values[name]
        if name not in self.entries or name in self.texts:
            raise KeyError(name)
        if name in seen:
            raise ValueError(f"{name}: its formula refers to itself")
        entry = self.entries[name]
        if "formula" in entry:
            result = evaluate(entry["formula"], lambda other: self.value(other, seen + (name,)))
        else:
            result = entry["valore"]
        self.values[name] = result
        return result

    def source_keys(self, name):
        """The sources a figure comes from, those of its formula's figures included."""
        entry = self.entries[name]
        if "formula" not in entry:
            return [entry["fonte"]]
        keys = []
        for other in formula_names(entry["formula"]):
            keys += [k for k in self.source_keys(other) if k not in keys]
        return keys

    def year(self):
        return int(self.value("anno"))

    def text(self, name, formats=()):
        if name in self.texts or self.entries.get(name, {}).get("forma") == "anno":
            if formats:
                raise ValueError(f"{name}: a text or a year takes no format")
            return self.texts.get(name) or str(self.value(name))
        return formatted(self.value(name), formats)


_OPERATORS = {ast.Add: operator.add, ast.Sub: operator.sub, ast.Mult: operator.mul, ast.Div: operator.truediv}


def formula_names(formula):
    return [node.id for node in ast.walk(ast.parse(formula, mode="eval")) if isinstance(node, ast.Name)]


def evaluate(formula, lookup):
    """Arithmetic on figures and numbers only: + - * / and brackets."""
    def walk(node):
        if isinstance(node, ast.Expression):
            return walk(node.body)
        if isinstance(node, ast.BinOp) and type(node.op) in _OPERATORS:
            return _OPERATORS[type(node.op)](walk(node.left), walk(node.right))
        if isinstance(node, ast.UnaryOp) and isinstance(node.op, ast.USub):
            return -walk(node.operand)
        if isinstance(node, ast.Constant) and isinstance(node.value, (int, float)):
            return node.value
        if isinstance(node, ast.Name):
            return lookup(node.id)
        raise ValueError(f"not allowed in a formula: {formula!r}")
    return walk(ast.parse(formula, mode="eval"))


def grouped(value, decimals=0):
    """57 600 000, -283 000, 6,3: groups of three digits joined by no-break spaces."""
    text = f"{abs(value):,.{decimals}f}".replace(",", NBSP).replace(".", ",")
    return "-" + text if value < 0 and any(c in "123456789" for c in text) else text


def formatted(value, formats=()):
    unknown = set(formats) - FORMATS
    if unknown:
        raise ValueError(f"unknown format {sorted(unknown)}")
    decimals = 2 if "2" in formats else 1 if "1" in formats else 0
    if "migliaia" in formats:
        value = round(value, -3)
    if "assoluto" in formats:
        value = abs(value)
    text = grouped(value, decimals)
    if "segno" in formats and value > 0:
        text = "+" + text
    return text


def placeholders(text):
    """(name, formats) of every placeholder of a text."""
    return [(m.group(1), tuple(f.strip() for f in (m.group(2) or "").split(",") if f.strip()))
            for m in PLACEHOLDER.finditer(text)]


# The paragraphs of a box of figures and the paragraph of their sources.
PARAGRAPH = re.compile(r'(<p class="(oggi|oggicalcolo|fonte)">)(.*?)(</p>)', re.DOTALL)


def render(source_html, figures):
    """The page with its figures put in and the source line of every box written."""
    out = []
    box_sources = []
    pos = 0
    for match in PARAGRAPH.finditer(source_html):
        out.append(put_figures(source_html[pos:match.start()], figures))
        kind, body = match.group(2), match.group(3)
        if kind == "fonte" and body.strip() == "{{" + SOURCES + "}}":
            names = [figures.sources[k] for k in box_sources]
            body = ("Fonte: " if len(names) == 1 else "Fonti: ") + "; ".join(html.escape(n) for n in names) + "."
            box_sources = []
        elif kind != "fonte":
            for name, _ in placeholders(body):
                if name == SOURCES:
                    continue
                for key in ([figures.entries[name]["fonte"]] if name in figures.texts else figures.source_keys(name)):
                    if key not in box_sources:
                        box_sources.append(key)
            body = put_figures(body, figures)
        out.append(match.group(1) + body + match.group(4))
        pos = match.end()
    out.append(put_figures(source_html[pos:], figures))
    return "".join(out)


def put_figures(text, figures):
    def replace(match):
        name = match.group(1)
        formats = tuple(f.strip() for f in (match.group(2) or "").split(",") if f.strip())
        if name == SOURCES:
            raise ValueError("{{fonti}} stands alone in the source line of a box")
        return html.escape(figures.text(name, formats))
    return PLACEHOLDER.sub(replace, text)


# A number written in a text: digits in groups, decimals after a comma.
NUMBER = re.compile(r"\d+(?:[ \u00a0]\d{3})*(?:,\d+)?")


def present_years(figures):
    """The year of today's figures or a later one, as a text that speaks of the present writes it."""
    return re.compile(r"\b(?:%s)\b" % "|".join(str(y) for y in range(figures.year(), figures.year() + 30)))


def literal_faults(name, source_html, figures):
    """Figures of today written in a lesson source instead of taken from oggi.toml: any
    number of a box that is not a year of the past, any year of today or later anywhere,
    a source line of a box not made from the file, an unknown figure or format."""
    faults = []
    for figure, formats in placeholders(source_html):
        if figure == SOURCES:
            continue
        try:
            figures.text(figure, formats)
        except (KeyError, ValueError) as error:
            faults.append(f"{name}: the figure {{{{{figure}}}}} cannot be written: {error!r}")
    body = re.sub(r"<head>.*?</head>", "", source_html, flags=re.DOTALL)
    plain = PLACEHOLDER.sub(" ", body)
    year = figures.year()
    for match in PARAGRAPH.finditer(plain):
        if match.group(2) == "fonte":
            continue
        text = html.unescape(re.sub(r"<[^>]+>", "", match.group(3)))
        for number in NUMBER.findall(text):
            if not (re.fullmatch(r"1\d{3}|20\d\d", number) and int(number) < year):
                faults.append(f"{name}: a figure of today written in a box instead of oggi.toml: {number!r}")
    for match in PARAGRAPH.finditer(source_html):
        if match.group(2) == "fonte" and match.group(3).strip() != "{{" + SOURCES + "}}":
            faults.append(f"{name}: the source line of a box is written by hand, not {{{{{SOURCES}}}}}: "
                          f"{match.group(3)[:40]!r}")
    text = html.unescape(re.sub(r"<[^>]+>", " ", plain))
    for match in present_years(figures).finditer(text):
        faults.append(f"{name}: the year {match.group(0)} written instead of taken from oggi.toml")
    return faults
