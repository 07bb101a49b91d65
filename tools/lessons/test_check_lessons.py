#!/usr/bin/env python3
"""Tests of the lesson check: it must read RTF as word processors write it and catch
the faults a lesson file can really have."""
import os
import shutil
import tempfile
import unicodedata
import unittest

import check_lessons
import oggi


class RtfTextTest(unittest.TestCase):
    def test_accents_in_every_escape_appear_once(self):
        rtf = rb"{\rtf1\ansi Natalit\u224\'e0 e citt\'e0, \uc0\u8240 \uc1 gi\u249?}"
        self.assertEqual(check_lessons.rtf_text(rtf), "Natalità e città, ‰giù")

    def test_tables_of_the_header_bullets_and_starred_groups_are_not_text(self):
        rtf = (rb"{\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red0\green0\blue0;}"
               rb"{\*\generator LibreOffice;}{\info{\title Prova}}"
               rb"{\listtext\u8226\'95\tab}primo\par {\b secondo}\~punto}")
        self.assertEqual(check_lessons.words(check_lessons.rtf_text(rtf)),
                         ["primo", "secondo", "punto"])

    def test_escaped_braces_and_backslash_are_text(self):
        self.assertEqual(check_lessons.rtf_text(rb"{\rtf1 a\{b\}c\\d}"), "a{b}c\\d")

    def test_unbalanced_braces_are_malformed(self):
        for rtf in (rb"{\rtf1 {\b testo}", rb"{\rtf1 testo}}"):
            with self.assertRaises(ValueError):
                check_lessons.rtf_text(rtf)


class BoxTest(unittest.TestCase):
    """A box of today's figures must be dated and closed by its source and year."""

    BOX = '<p class="oggi"><b>L\'Italia di oggi.</b> Nel 2024 sono nati 370&nbsp;000 bambini.</p>'

    def faults(self, body):
        return check_lessons.box_faults("a-prova.rtf", "<html><body><p>Testo.</p>" + body + "<p>Altro.</p></body></html>")

    def test_a_dated_box_with_its_source_passes(self):
        for source in ("Fonte: ISTAT, Indicatori demografici, anno 2024 (marzo 2025).",
                       "Fonti: ISTAT, censimento 2024; ONU, World Population Prospects 2024."):
            self.assertEqual(self.faults(self.BOX + f'<p class="fonte">{source}</p>'), [], source)

    def test_calculation_lines_belong_to_the_box_before_its_source(self):
        body = (self.BOX + '<p class="oggicalcolo">saldo = 370&nbsp;000 - 651&nbsp;000</p>'
                '<p class="fonte">Fonte: ISTAT, 2025.</p>')
        self.assertEqual(self.faults(body), [])

    def test_a_box_without_a_source_line_is_refused(self):
        for body in (self.BOX, self.BOX + '<p class="oggicalcolo">6,3 - 11,0</p><h2>Dopo</h2>'):
            self.assertEqual(len(self.faults(body)), 1, body)
            self.assertIn("without its source line", self.faults(body)[0])

    def test_a_source_without_a_name_or_a_year_is_refused(self):
        for source in ("Fonte: ISTAT.", "Fonte: 2025", "Dati ISTAT 2025", "Fonte:"):
            faults = self.faults(self.BOX + f'<p class="fonte">{source}</p>')
            self.assertEqual(len(faults), 1, source)
            self.assertIn("Fonte: SOURCE, YEAR", faults[0])

    def test_a_box_without_the_year_of_its_figures_is_refused(self):
        body = '<p class="oggi">Oggi gli abitanti sono circa 59 milioni.</p><p class="fonte">Fonte: ISTAT, 2025.</p>'
        self.assertEqual(len(self.faults(body)), 1)
        self.assertIn("without the year", self.faults(body)[0])

    def test_a_source_line_alone_is_refused(self):
        self.assertIn("without its box", self.faults('<p class="fonte">Fonte: ISTAT, 2025.</p>')[0])


class TypographyTest(unittest.TestCase):
    """Units after a number are written as symbols; the words stay where they explain them."""

    def faults(self, text):
        return check_lessons.typography_faults("a-prova.rtf", text)

    def test_units_written_out_after_a_number_are_refused(self):
        for text in ("la natalità era di 9,4 per mille.", "saldo = -0,3\u00a0per mille",
                     "intorno al 35–40 per mille", "circa 190 ab/kmq", "1200 Kmq di pianura",
                     "E' molto bassa la natalità"):
            self.assertEqual(len(self.faults(text)), 1, text)

    def test_symbols_and_the_words_that_explain_them_pass(self):
        for text in ("la natalità era di 9,4\u00a0‰.", "Si misurano «per mille», con il simbolo ‰.",
                     "che si legge «per mille».", "circa 190\u00a0ab/km² (a volte anche «ab/kmq»)",
                     "È molto bassa.", "dell'Unione europea"):
            self.assertEqual(self.faults(text), [], text)


class TodayTest(unittest.TestCase):
    """Every figure of today comes from oggi.toml: a lesson or the pictures' script that
    writes one itself is refused, so that next year's update is that one file."""

    TOML = """
[fonti]
istat = "ISTAT, Indicatori demografici, anno 2024 (marzo 2025)"
onu = "ONU, World Population Prospects 2024"

[dati.anno]
forma = "anno"
valore = 2024
quando = "2024"
fonte = "istat"

[dati.nati]
valore = 369944
quando = "2024"
fonte = "istat"

[dati.morti]
valore = 653109
quando = "2024"
fonte = "istat"

[dati.saldo]
formula = "nati - morti"
quando = "2024"

[dati.abitanti]
valore = 58943464
quando = "31 dicembre 2024"
fonte = "onu"

[dati.natalita]
formula = "nati / abitanti * 1000"
quando = "2024"
"""

    def setUp(self):
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder)
        self.path = os.path.join(folder, "oggi.toml")
        with open(self.path, "w", encoding="utf-8") as f:
            f.write(self.TOML)
        self.figures = oggi.Figures(self.path)

    def page(self, body):
        return "<html><head><title>Prova 2025</title></head><body>" + body + "</body></html>"

    def faults(self, body):
        return oggi.literal_faults("a-prova.rtf", self.page(body), self.figures)

    def test_figures_are_written_in_the_italian_form(self):
        text = oggi.put_figures("{{anno}}: {{nati}}, {{nati:migliaia}}, {{saldo:migliaia}}, {{saldo:assoluto}}, "
                                "{{natalita:1}} ‰, {{abitanti:migliaia,segno}}", self.figures)
        self.assertEqual(text.replace("\u00a0", " "),
                         "2024: 369 944, 370 000, -283 000, 283 165, 6,3 ‰, +58 943 000")

    def test_the_source_line_names_the_sources_of_its_box(self):
        page = oggi.render(self.page(
            '<p class="oggi">Nel {{anno}} nati {{nati}}.</p><p class="fonte">{{fonti}}</p>'
            '<p class="oggi">Natalità {{natalita:1}} ‰ nel {{anno}}.</p><p class="fonte">{{fonti}}</p>'), self.figures)
        self.assertIn('<p class="fonte">Fonte: ISTAT, Indicatori demografici, anno 2024 (marzo 2025).</p>', page)
        self.assertIn('<p class="fonte">Fonti: ISTAT, Indicatori demografici, anno 2024 (marzo 2025); '
                      'ONU, World Population Prospects 2024.</p>', page)
        self.assertEqual(check_lessons.box_faults("a-prova.rtf", page), [])

    def test_figures_taken_from_the_file_pass(self):
        body = ('<p>Al censimento del 2001 erano 56 995 744.</p>'
                '<p class="oggi">Nel {{anno}}, come nel 2023, nati {{nati:migliaia}}.</p>'
                '<p class="oggicalcolo">saldo = {{saldo}}</p><p class="fonte">{{fonti}}</p>')
        self.assertEqual(self.faults(body), [])

    def test_a_figure_of_today_written_in_a_box_is_refused(self):
        for box in ('<p class="oggi">Nel {{anno}} sono nati 369 944 bambini.</p>',
                    '<p class="oggicalcolo">saldo = {{nati}} - 653\u00a0109</p>',
                    '<p class="oggi">Natalità del 6,3 ‰ nel {{anno}}.</p>'):
            faults = self.faults(box + '<p class="fonte">{{fonti}}</p>')
            self.assertEqual(len(faults), 1, box)
            self.assertIn("instead of oggi.toml", faults[0])

    def test_the_year_of_today_written_anywhere_is_refused(self):
        for body in ('<p>Nel 2024 sono nati pochi bambini.</p>', '<li>oggi (2026) sono meno</li>'):
            faults = self.faults(body)
            self.assertEqual(len(faults), 1, body)
            self.assertIn("written instead of taken from oggi.toml", faults[0])

    def test_a_source_line_written_by_hand_is_refused(self):
        faults = self.faults('<p class="oggi">Nel {{anno}}.</p><p class="fonte">Fonte: ISTAT, 2023.</p>')
        self.assertEqual(len(faults), 1)
        self.assertIn("written by hand", faults[0])

    def test_an_unknown_figure_or_format_is_refused(self):
        for placeholder in ("{{nato}}", "{{nati:milioni}}", "{{anno:1}}"):
            self.assertEqual(len(self.faults(f"<p>{placeholder}</p>")), 1, placeholder)

    def test_a_formula_is_arithmetic_on_figures_only(self):
        for formula in ("__import__('os')", "nati ** 2", "max(nati, morti)", "nati.real"):
            with self.assertRaises(ValueError, msg=formula):
                oggi.evaluate(formula, self.figures.value)

    def test_the_pictures_script_takes_the_year_from_the_file(self):
        script = os.path.join(os.path.dirname(self.path), "draw.py")
        for code, count in (('BIRTHS = [("2023", 380, 661), (str(figures.year()), 370, 653)]', 0),
                            ('BIRTHS = [("2023", 380, 661), ("2024", 370, 653)]', 1)):
            with open(script, "w", encoding="utf-8") as f:
                f.write(code)
            self.assertEqual(len(check_lessons.script_faults(script, self.figures)), count, code)


class FolderTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.folder)
        data = os.path.join(check_lessons.HERE, "..", "..", "data", "perCensaria")
        for name in check_lessons.CATALOGUE:
            shutil.copy(os.path.join(data, name), self.folder)

    def faults(self):
        return check_lessons.check_folder(self.folder)

    def rewrite(self, name, change):
        path = os.path.join(self.folder, name)
        with open(path, "rb") as f:
            data = f.read()
        with open(path, "wb") as f:
            f.write(change(data))

    def test_the_committed_lessons_pass(self):
        self.assertEqual(self.faults(), [])

    def test_a_name_with_a_decomposed_accent_is_missing(self):
        name = "a-densità1.rtf"
        os.rename(os.path.join(self.folder, name),
                  os.path.join(self.folder, unicodedata.normalize("NFD", name)))
        self.assertIn("a-densità1.rtf: missing (found with a decomposed accent)", self.faults())

    def test_a_stale_file_differs_from_its_source(self):
        self.rewrite("a-storia1.rtf", lambda d: d.replace(b"periodi", b"secoli", 1))
        self.assertIn("a-storia1.rtf: differs from its source; run tools/lessons/make_lessons.sh",
                      self.faults())

    def test_pictures_tables_and_small_text_do_not_fit_the_column(self):
        self.rewrite("a-italia.rtf", lambda d: d.replace(b"\\par ", b"\\par {\\pict\\pngblip 00}\\trowd\\fs16 ", 1))
        faults = [f for f in self.faults() if f.startswith("a-italia.rtf")]
        self.assertEqual(len(faults), 3, faults)

    def test_a_short_text_is_not_a_lesson(self):
        self.rewrite("a-storia3.rtf", lambda d: d[:d.index(b"\\par ", 4000)] + b"}")
        self.assertTrue(any("words, outside 500-1000" in f for f in self.faults()))

    def test_a_file_that_is_not_rtf_is_refused(self):
        self.rewrite("a-piramidi1.rtf", lambda d: b"<html>" + d)
        self.assertIn("a-piramidi1.rtf: does not start as an RTF file", self.faults())


if __name__ == "__main__":
    unittest.main()
