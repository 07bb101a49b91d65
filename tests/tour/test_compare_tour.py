#!/usr/bin/env python3
"""scripts/compare-tour on small tour folders whose differences are known."""
import pathlib
import subprocess
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "compare-tour"


def picture(path, size="8x6", pixels=(), compression=9, colour="white"):
    """A PNG of one colour with the given pixels red, written at the given compression."""
    path.parent.mkdir(parents=True, exist_ok=True)
    draw = [arg for x, y in pixels for arg in ("-draw", f"point {x},{y}")]
    subprocess.run(["convert", "-size", size, f"xc:{colour}", "-fill", "red", *draw,
                    "-define", f"png:compression-level={compression}", str(path)], check=True)


class CompareTourTest(unittest.TestCase):
    def setUp(self):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="compare-tour-"))
        self.addCleanup(subprocess.run, ["rm", "-rf", str(self.folder)])
        self.old, self.new = self.folder / "old", self.folder / "new"
        for tour in (self.old, self.new):
            picture(tour / "1024x768" / "01-menu.png")
            picture(tour / "1920x1080" / "01-menu.png", size="16x9")

    def compare(self):
        return subprocess.run([str(SCRIPT), str(self.old), str(self.new)], capture_output=True, text=True)

    def test_the_same_pixels_compare_equal_however_the_files_are_written(self):
        picture(self.new / "1024x768" / "01-menu.png", compression=1)
        (self.old / "registro.csv").write_text("a;b\n")
        (self.new / "registro.csv").write_text("a;c\n")  # not a picture
        result = self.compare()
        self.assertEqual((result.returncode, result.stdout, result.stderr), (0, "", ""))
        self.assertFalse((self.folder / "new-differences").exists())

    def test_a_changed_picture_and_pictures_in_one_folder_only(self):
        picture(self.new / "1024x768" / "01-menu.png", pixels=[(2, 1), (5, 4)])
        picture(self.old / "1024x768" / "02-lessons.png")
        picture(self.new / "1920x1080" / "03-names.png", size="16x9")
        result = self.compare()
        self.assertEqual(result.returncode, 1, result.stderr)
        self.assertEqual(result.stdout.splitlines(), [
            "differs: 1024x768/01-menu.png (2 pixels)",
            f"only in {self.old}: 1024x768/02-lessons.png",
            f"only in {self.new}: 1920x1080/03-names.png",
        ])
        differences = self.folder / "new-differences"
        self.assertEqual(sorted(p.relative_to(differences).as_posix() for p in differences.rglob("*")),
                         ["1024x768", "1024x768/01-menu.png"])
        size = subprocess.run(["identify", "-format", "%wx%h", str(differences / "1024x768" / "01-menu.png")],
                              capture_output=True, text=True, check=True).stdout
        self.assertEqual(size, "8x6")

    def test_large_counts_and_other_sizes_are_given_whole(self):
        # 1 235 234 pixels: ImageMagick's default precision would round them to 1.23523e+06.
        picture(self.old / "3840x2160" / "01-menu.png", size="1234x1001")
        picture(self.new / "3840x2160" / "01-menu.png", size="1234x1001", colour="black")
        picture(self.new / "1920x1080" / "01-menu.png", size="16x10")
        result = self.compare()
        self.assertEqual(result.returncode, 1, result.stderr)
        self.assertEqual(result.stdout.splitlines(), [
            "differs: 1920x1080/01-menu.png (size 16x9 against 16x10)",
            "differs: 3840x2160/01-menu.png (1235234 pixels)",
        ])

    def test_a_folder_that_is_not_there_is_an_error_not_a_difference(self):
        result = subprocess.run([str(SCRIPT), str(self.old), str(self.folder / "gone")], capture_output=True, text=True)
        self.assertEqual(result.returncode, 2)
        self.assertIn("gone", result.stderr)

    def test_a_second_comparison_clears_the_differences_of_the_first(self):
        picture(self.new / "1024x768" / "01-menu.png", pixels=[(0, 0)])
        self.assertEqual(self.compare().returncode, 1)
        picture(self.new / "1024x768" / "01-menu.png")
        self.assertEqual(self.compare().returncode, 0)
        self.assertFalse((self.folder / "new-differences").exists())


if __name__ == "__main__":
    unittest.main()
