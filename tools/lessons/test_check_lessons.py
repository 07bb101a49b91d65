#!/usr/bin/env python3
"""Tests of the lesson check: it must read RTF as word processors write it and catch
the faults a lesson file can really have."""
import os
import shutil
import tempfile
import unicodedata
import unittest

import check_lessons


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
