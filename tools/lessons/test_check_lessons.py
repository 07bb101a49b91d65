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
