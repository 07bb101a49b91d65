#!/usr/bin/python3
"""Draws the ten pictures of the lesson pages into data/perCensaria.

Run from the project root with Debian's Python and matplotlib:
    apt-get install -y python3-matplotlib
    /usr/bin/python3 tools/draw_lesson_pictures.py

The map of Italy needs the region shapes of the npm package @svg-maps/italy
(CC BY 4.0); the script fetches it with npm into a temporary folder.
Every figure drawn here is a published one, with its year; README.md lists the sources.
No text may be smaller than 1/60 of the picture's height, so that the small print can
be read at 1024 x 768 and from the back of a classroom: save() refuses a smaller one.

Each picture is drawn twice: for the lesson page, and for the classroom board
("x-lavagna.jpg", 1920 x 1080), where the program shows it full-screen. On the board
no text may be smaller than 1/34 of the picture's height, so that under the title of the
full-screen view it is at least 1/40 of the display's height; the board's picture keeps
its smallest text's share of its height in its JPEG comment ("SmallestText: 0.0303"),
which the program's tests read.
"""
import json
import os
import re
import subprocess
import sys
import tempfile

import matplotlib

matplotlib.use("Agg")
import matplotlib.text  # noqa: E402
import matplotlib.pyplot as plt  # noqa: E402
from matplotlib.patches import FancyArrowPatch, FancyBboxPatch, Patch, PathPatch, Rectangle  # noqa: E402
from matplotlib.path import Path  # noqa: E402

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "perCensaria")
# The lesson screen's picture box is 5835 x 6060 twips: 6.22 x 6.46 inches at 200 dots per inch.
PAGE = {"size": (6.22, 6.46), "dpi": 200, "smallest": 1 / 60, "suffix": ""}
# The board's picture: 1920 x 1080; the same type in points on a smaller canvas is larger
# against it.
BOARD = {"size": (1920 / 277, 1080 / 277), "dpi": 277, "smallest": 1 / 34, "suffix": "-lavagna"}
MODE = PAGE


def on_board():
    return MODE is BOARD


def place(page, board):
    """An axes' or a text's place in figure fractions: on the lesson page, or on the board."""
    return board if on_board() else page

INK = "#1c2b36"
BIRTHS = "#2e8b57"
DEATHS = "#c0392b"
POP = "#1f4e79"
PERIODS = [("Famiglie\ntradizionali", None, 1750, "#efe3c8"),
           ("BOOM\ndemografico", 1750, 1970, "#d8ead3"),
           ("Società\npost-\nindustriale", 1970, None, "#d6e4f0")]

plt.rcParams.update({
    "font.family": "DejaVu Sans",
    "font.size": 10.5,
    "axes.titlesize": 11.5,
    "axes.titleweight": "bold",
    "axes.edgecolor": "#6b6b6b",
    "axes.labelcolor": INK,
    "text.color": INK,
    "xtick.color": INK,
    "ytick.color": INK,
    "axes.spines.top": False,
    "axes.spines.right": False,
    "axes.formatter.use_locale": False,
})


def it(number, decimals=0):
    """A number written the Italian way: 57 000 000, 10,5."""
    text = f"{number:,.{decimals}f}"
    return text.replace(",", " ").replace(".", ",")


def figure(title):
    fig = plt.figure(figsize=MODE["size"], dpi=MODE["dpi"])
    fig.patch.set_facecolor("white")
    fig.text(0.5, place(0.972, 0.965), title, ha="center", va="top", fontsize=14.5, fontweight="bold", color=POP)
    return fig


def source(fig, text):
    fig.text(0.5, 0.012, "Fonte: " + text, ha="center", va="bottom", fontsize=8.5, color="#555555", style="italic")


def smallest_share(fig):
    """The em of the picture's smallest text against the picture's height."""
    sizes = [text.get_fontsize() for text in fig.findobj(matplotlib.text.Text)
             if text.get_visible() and text.get_text().strip() and text.get_figure() is not None]
    return min(sizes) / 72 / fig.get_figheight()


def too_small(fig, share=1 / 60):
    """The texts of the picture smaller than share of its height, measured on the drawn picture."""
    fig.canvas.draw()
    height = fig.get_figheight() * fig.dpi
    found = []
    for text in fig.findobj(matplotlib.text.Text):
        if text.get_visible() and text.get_text().strip() and text.get_figure() is not None:
            size = text.get_fontsize() * fig.dpi / 72  # the em, in pixels
            if size < height * share:
                found.append(f"{text.get_text()!r}: {size:.1f} px, less than {height * share:.1f} px")
    return found


def save(fig, name):
    small = too_small(fig, MODE["smallest"])
    stem, extension = os.path.splitext(name)
    name = stem + MODE["suffix"] + extension
    if small:
        raise SystemExit(f"{name}: text too small to be read in the classroom:\n  " + "\n  ".join(small))
    options = {"quality": 90}
    if on_board():
        options["comment"] = f"SmallestText: {smallest_share(fig):.4f}"
    fig.savefig(os.path.join(OUT, name), dpi=MODE["dpi"], format="jpg", pil_kwargs=options)
    plt.close(fig)
    print("written", name)


def shade_periods(ax, first, last):
    for label, start, end, colour in PERIODS:
        start = first if start is None else max(start, first)
        end = last if end is None else min(end, last)
        if start < end:
            ax.axvspan(start, end, color=colour, zorder=0, lw=0)


# Italy within its present borders, in millions: estimates before unification
# (Malanima, Del Panta), census counts of ISTAT from 1861.
ITALY_POPULATION = [
    (1000, 5.0), (1300, 12.5), (1400, 8.0), (1500, 9.0), (1550, 11.5), (1600, 13.3), (1650, 11.5), (1700, 13.4),
    (1750, 15.5), (1800, 18.1), (1850, 24.1), (1861, 26.3), (1871, 28.2), (1881, 29.8), (1901, 33.8),
    (1911, 36.9), (1921, 37.9), (1931, 41.0), (1951, 47.5), (1961, 50.6), (1971, 54.1), (1981, 56.6),
    (1991, 56.8), (2001, 57.0)]

# Births and deaths per thousand inhabitants a year in Italy (estimates before 1862,
# then ISTAT, five-year averages where years of war or epidemic would hide the trend).
BIRTH_RATE = [(1750, 39), (1800, 39), (1850, 38), (1865, 37.6), (1875, 36.9), (1885, 38.0), (1895, 36.0),
              (1905, 32.6), (1913, 31.7), (1925, 29.8), (1935, 23.4), (1951, 18.1), (1961, 18.4), (1964, 19.7),
              (1971, 16.8), (1981, 11.0), (1991, 9.9), (2000, 9.5)]
DEATH_RATE = [(1750, 34), (1800, 33), (1850, 30), (1865, 30.6), (1875, 30.5), (1885, 27.3), (1895, 25.5),
              (1905, 21.9), (1913, 19.0), (1925, 17.3), (1935, 13.9), (1951, 10.3), (1961, 9.3), (1964, 9.9),
              (1971, 9.7), (1981, 9.6), (1991, 9.7), (2000, 9.8)]


# Before 1750 the rates are estimates: births steady near 38-40 per thousand, deaths
# near 33-35 but leaping above births in the years of famine and plague.
TRADITIONAL_BIRTH_RATE = [(1550, 39), (1650, 38.5), (1700, 39)]
TRADITIONAL_DEATH_RATE = [(1550, 34), (1589, 34), (1591, 55), (1593, 34), (1628, 34), (1630, 75), (1632, 33),
                          (1654, 34), (1656, 60), (1658, 33), (1707, 34), (1709, 46), (1711, 33)]


def population_in(year):
    """Italy's population in a year, read on the straight line between two estimates."""
    for (x0, y0), (x1, y1) in zip(ITALY_POPULATION, ITALY_POPULATION[1:]):
        if x0 <= year <= x1:
            return y0 + (y1 - y0) * (year - x0) / (x1 - x0)
    raise ValueError(year)


def xy(points, first=None, last=None):
    chosen = [(x, y) for x, y in points if (first is None or x >= first) and (last is None or x <= last)]
    return [x for x, _ in chosen], [y for _, y in chosen]


def popitalia2():
    fig = figure("La popolazione italiana in tre epoche")
    top = fig.add_axes(place([0.11, 0.55, 0.85, 0.33], [0.07, 0.16, 0.41, 0.65]))
    shade_periods(top, 1000, 2001)
    years, people = xy(ITALY_POPULATION)
    top.plot(years, people, color=POP, lw=2.6, marker="o", ms=3.5)
    top.set_xlim(1000, 2001)
    top.set_ylim(0, 62)
    top.set_title("1. Abitanti in Italia (milioni)", loc="left")
    # The boom's label sits under its curve, so the top of the chart is free for the arrow.
    top.text(1375, 59, "Famiglie tradizionali", ha="center", va="top", fontsize=8.5, fontweight="bold",
             color="#5a4a2a")
    top.text(1375, 59, "\nil periodo più lungo:\nfino al 1750", ha="center", va="top", fontsize=8.5, color="#5a4a2a")
    top.text(place(1860, 1962), 3, "BOOM\ndemografico\n1750-1970", ha=place("center", "right"), va="bottom", fontsize=8.5,
             fontweight="bold", color="#5a4a2a")
    top.text(1986, 2, "post-industriale", ha="center", va="bottom", rotation=90, fontsize=8.5, fontweight="bold",
             color="#5a4a2a")
    top.annotate("57 milioni nel 2001", (1996, 57), place((1640, 49), (1560, 38)), fontsize=9, ha="center", va="center",
                 arrowprops={"arrowstyle": "->", "color": INK})

    bottom = fig.add_axes(place([0.11, 0.1, 0.85, 0.34], [0.565, 0.16, 0.4, 0.65]))
    shade_periods(bottom, 1550, 2000)
    years, births = xy(TRADITIONAL_BIRTH_RATE + BIRTH_RATE)
    death_years, deaths = xy(TRADITIONAL_DEATH_RATE + DEATH_RATE)
    bottom.fill_between(xy(BIRTH_RATE)[0], xy(DEATH_RATE)[1], xy(BIRTH_RATE)[1], color="#a8d5a2", alpha=0.8, lw=0)
    bottom.plot(years, births, color=BIRTHS, lw=2.4, label="nati ogni 1000 abitanti (natalità)")
    bottom.plot(death_years, deaths, color=DEATHS, lw=2.4, label="morti ogni 1000 abitanti (mortalità)")
    bottom.set_xlim(1550, 2000)
    bottom.set_ylim(0, 80)
    bottom.set_title("2. Natalità e mortalità (‰)", loc="left")
    bottom.text(place(1730, 1805), 78, "crisi di mortalità:\ni morti superano i nati", fontsize=8.5, ha="center", va="top",
                color=DEATHS, fontweight="bold")
    bottom.text(place(1895, 1850), place(44, 49), "la mortalità cala,\nla natalità resta alta", fontsize=8.5, ha="center",
                color="#2f5d2a",
                fontweight="bold")
    bottom.text(1985, 46, "natalità\nbassissima", fontsize=8.5, ha="center", color="#23557a", fontweight="bold",
                rotation=90)
    bottom.legend(loc="lower left", fontsize=8.5, frameon=True, framealpha=0.9)
    source(fig, "stime di P. Malanima e L. Del Panta (prima del 1861); ISTAT, censimenti e serie storiche")
    save(fig, "popitalia2.jpg")


def lesson_region():
    """The region of the lesson, year by year as the simulation computes it: 1 500 000
    inhabitants in 1640, 31 births and 27 deaths per thousand, 135 deaths per thousand
    in the typhus year 1649."""
    years, people = [1640], [1500000]
    for year in range(1641, 1676):
        deaths = 135 if year == 1650 else 27  # the year computed from 1649 to 1650
        grown = round(people[-1] + 31 * people[-1] / 1000)
        people.append(round(grown - deaths * people[-1] / 1000))
        years.append(year)
    return years, people


def crisidimortalita():
    fig = figure("Le crisi di mortalità")
    top = fig.add_axes(place([0.13, 0.5, 0.83, 0.36], [0.07, 0.16, 0.47, 0.6]))
    years, people = lesson_region()
    millions = [p / 1e6 for p in people]
    top.fill_between(years, millions, color="#efe3c8")
    top.plot(years, millions, color=POP, lw=2.6, marker="o", ms=3)
    top.set_xlim(1640, 1675)
    top.set_ylim(1.2, 1.7)
    top.set_yticks([1.3, 1.4, 1.5, 1.6], [it(v, 1) for v in (1.3, 1.4, 1.5, 1.6)])
    top.set_title(place("Abitanti (milioni) della regione della lezione, anno per anno",
                        "Abitanti (milioni) della regione\ndella lezione, anno per anno"), loc="left", fontsize=10.5)
    top.annotate(f"tifo del 1649:\n{it(people[10] - people[9]).replace('-', '−')} abitanti", (1650, millions[10]), (1655, 1.27),
                 ha="left", va="center",
                 fontsize=9, color=DEATHS, fontweight="bold", arrowprops={"arrowstyle": "->", "color": DEATHS})
    top.text(1644, 1.62, "sale piano", ha="center", fontsize=9)
    top.text(1667, 1.43, "risale piano", ha="center", fontsize=9)
    top.text(1657.5, 1.66, place("il «dente di sega»: natalità 31 ‰, mortalità 27 ‰ (135 ‰ nel 1649)",
                                 "il «dente di sega»: natalità 31 ‰,\nmortalità 27 ‰ (135 ‰ nel 1649)"), ha="center",
             fontsize=8.5, style="italic")

    bottom = fig.add_axes(place([0.11, 0.1, 0.85, 0.28], [0.64, 0.28, 0.34, 0.45]))
    counts = [141625, 102243]
    bars = bottom.barh(["1624", "1633"], counts, color=[POP, DEATHS], height=0.6)
    for bar, count in zip(bars, counts):
        bottom.text(count - 3000, bar.get_y() + bar.get_height() / 2, it(count) + " abitanti", ha="right",
                    va="center", color="white", fontsize=10, fontweight="bold")
    bottom.set_xlim(0, 165000)
    bottom.set_xticks([])
    bottom.spines["bottom"].set_visible(False)
    bottom.invert_yaxis()
    bottom.text(148000, 0.5, "−28%", ha="right", va="center", fontsize=13, fontweight="bold", color=DEATHS)
    bottom.set_title(place("Venezia prima e dopo la peste del 1630", "Venezia prima e dopo\nla peste del 1630"), loc="left")
    source(fig, "regione immaginaria con i tassi della lezione; censimenti della Repubblica di Venezia")
    save(fig, "crisidimortalità.jpg")


def popitalia3():
    fig = figure("Il BOOM demografico")
    top = fig.add_axes(place([0.11, 0.53, 0.85, 0.33], [0.07, 0.16, 0.45, 0.6]))
    years, people = xy(ITALY_POPULATION, 1750, 1971)
    top.fill_between(years, people, color="#d8ead3")
    top.plot(years, people, color=POP, lw=2.8, marker="o", ms=4)
    top.set_xlim(1750, 1975)
    top.set_ylim(0, 62)
    top.set_title(place("Abitanti in Italia (milioni), dal 1750 al 1971", "Abitanti in Italia (milioni),\ndal 1750 al 1971"), loc="left")
    top.annotate("15,5 milioni", (1750, 15.5), (1762, 33), fontsize=9.5, arrowprops={"arrowstyle": "->"})
    top.annotate("54 milioni", (1971, 54.1), (1905, 52), fontsize=9.5, ha="right", arrowprops={"arrowstyle": "->"})

    bottom = fig.add_axes(place([0.11, 0.15, 0.85, 0.28], [0.67, 0.12, 0.31, 0.66]))
    periods = ["1876\n-80", "1881\n-90", "1891\n-1900", "1901\n-10", "1911\n-20", "1921\n-30", "1931\n-40",
               "1946\n-50", "1951\n-60", "1961\n-70"]
    emigrants = [0.55, 1.88, 2.83, 6.03, 3.83, 2.55, 0.70, 1.13, 2.94, 2.65]
    # 1876-80 and 1946-50 last five years: paler, striped bars that say so.
    five_years = {0, 7}
    colours = ["#e8bd8a" if i in five_years else "#c77d2e" for i in range(len(periods))]
    if on_board():
        # Across, one period a line: ten columns would crowd their names on the board.
        bars = bottom.barh(range(len(periods)), emigrants, color=colours, edgecolor="#c77d2e", height=0.7)
        for bar, value in zip(bars, emigrants):
            bottom.text(value + 0.12, bar.get_y() + bar.get_height() / 2, it(value, 1), va="center", fontsize=8.5)
        bottom.set_yticks(range(len(periods)), [d.replace("\n", "") for d in periods], fontsize=8.5)
        bottom.invert_yaxis()
        bottom.set_xlim(0, 7)
        bottom.set_xticks([])
        bottom.spines["bottom"].set_visible(False)
        bottom.tick_params(axis="y", length=0)
        bottom.set_title("Italiani emigrati\n(milioni in ogni periodo)", loc="left")
    else:
        bars = bottom.bar(range(len(periods)), emigrants, width=0.7, color=colours, edgecolor="#c77d2e")
        for bar, value in zip(bars, emigrants):
            bottom.text(bar.get_x() + bar.get_width() / 2, value + 0.12, it(value, 1), ha="center", fontsize=8.5)
        bottom.set_xticks(range(len(periods)), periods, fontsize=8.5)
        bottom.set_ylim(0, 7)
        bottom.set_title("Italiani emigrati all'estero (milioni in ogni periodo)", loc="left")
    for i in five_years:
        bars[i].set_hatch("///")
    bottom.legend(handles=[Patch(fc="#c77d2e", label="in 10 anni"), Patch(fc="#e8bd8a", ec="#c77d2e", hatch="///", label="in 5 anni")],
                  loc="lower right" if on_board() else "upper right", fontsize=8.5, frameon=False)
    source(fig, "ISTAT, censimenti; G. Rosoli, Un secolo di emigrazione italiana 1876-1976")
    save(fig, "popitalia3.jpg")


def aula():
    fig = figure("La società post-industriale")
    top = fig.add_axes(place([0.12, 0.52, 0.84, 0.34], [0.08, 0.16, 0.4, 0.6]))
    years = [1970, 1975, 1980, 1985, 1990, 1993, 1995, 1998, 2000]
    births = [901.5, 827.9, 640.4, 577.3, 569.3, 552.6, 526.1, 515.4, 543.0]
    deaths = [521.9, 555.0, 554.5, 546.0, 545.0, 555.0, 555.2, 576.9, 560.2]
    top.plot(years, births, color=BIRTHS, lw=2.8, marker="o", ms=4, label="nati")
    top.plot(years, deaths, color=DEATHS, lw=2.8, marker="o", ms=4, label="morti")
    top.fill_between(years, births, deaths, where=[b < d for b, d in zip(births, deaths)], interpolate=True,
                     color="#f2b8b0")
    top.set_xlim(1969, 2001)
    top.set_ylim(400, 950)
    top.set_title(place("Nati e morti in Italia (migliaia all'anno), 1970-2000", "Nati e morti in Italia\n(migliaia all'anno), 1970-2000"), loc="left")
    top.legend(loc="upper right", fontsize=9)
    top.annotate("dal 1993 i morti\nsuperano i nati:\nsaldo naturale negativo", (1996, 545), (1982, 420),
                 fontsize=8.5, color=DEATHS, arrowprops={"arrowstyle": "->", "color": DEATHS})

    bottom = fig.add_axes(place([0.12, 0.1, 0.84, 0.3], [0.58, 0.3, 0.4, 0.42]))
    sectors = [("agricoltura", "#8bb35c", [17, 5]), ("industria", "#7f8c9a", [44, 32]), ("servizi", "#3d85c6", [39, 63])]
    left = [0, 0]
    for name, colour, shares in sectors:
        bottom.barh(["1971", "2001"], shares, left=left, color=colour, height=0.6, label=name)
        for row, share in enumerate(shares):
            if share >= place(5, 10):
                bottom.text(left[row] + share / 2, row, f"{share}%", ha="center", va="center", color="white",
                            fontsize=9.5, fontweight="bold")
            elif on_board():  # too narrow a bar for its number: the number over it
                bottom.text(left[row] + share / 2, row - 0.33, f"{share}%", ha="center", va="bottom", color="#4f6f2e",
                            fontsize=9.5, fontweight="bold")
        left = [a + b for a, b in zip(left, shares)]
    bottom.set_xlim(0, 100)
    bottom.set_xticks([])
    bottom.spines["bottom"].set_visible(False)
    bottom.invert_yaxis()
    bottom.set_title(place("Lavoratori per settore (su 100 occupati), censimenti", "Lavoratori per settore\n(su 100 occupati), censimenti"),
                     loc="left")
    bottom.legend(loc="upper center", bbox_to_anchor=(0.5, -0.02), ncol=3, fontsize=8.5, frameon=False,
                  columnspacing=place(2.0, 0.8), handlelength=place(2.0, 1.2))
    source(fig, "ISTAT, statistiche demografiche e censimenti della popolazione 1971 e 2001")
    save(fig, "aula.jpg")


def box(ax, x, y, w, h, text, colour, size=11.5, weight="bold", text_colour="white"):
    ax.add_patch(FancyBboxPatch((x - w / 2, y - h / 2), w, h, boxstyle="round,pad=0.01,rounding_size=0.02",
                                fc=colour, ec="none"))
    ax.text(x, y, text, ha="center", va="center", fontsize=size, fontweight=weight, color=text_colour)


def arrow(ax, start, end, colour):
    ax.add_patch(FancyArrowPatch(start, end, arrowstyle="-|>", mutation_scale=22, lw=3, color=colour))


def statistica():
    fig = figure("Saldi e tassi: un esempio")
    ax = fig.add_axes(place([0.02, 0.05, 0.96, 0.85], [0.01, 0.04, 0.47, 0.84]))
    ax.set_xlim(0, 1)
    ax.set_ylim(0, 1)
    ax.axis("off")
    ax.text(0.5, 0.96, "Un comune immaginario in un anno", ha="center", va="top", fontsize=11, style="italic")
    if on_board():
        # A narrower picture: the people in the middle on three lines, the rows further apart.
        rows, middle, side, height, side_height = (0.68, 0.2), 0.34, 0.245, 0.26, 0.16
        centre_text = ("Popolazione\niniziale\n20 000", "Popolazione\nfinale\n20 200")
        sides = (0.125, 0.875)
    else:
        rows, middle, side, height, side_height = (0.82, 0.6), 0.36, 0.2, 0.1, 0.08
        centre_text = ("Popolazione iniziale\n20 000", "Popolazione finale\n20 200")
        sides = (0.12, 0.88)
    box(ax, 0.5, rows[0], middle, height, centre_text[0], POP)
    box(ax, 0.5, rows[1], middle, height, centre_text[1], POP)
    box(ax, sides[0], rows[0], side, side_height, "Nati\n180", BIRTHS)
    box(ax, sides[1], rows[0], side, side_height, "Morti\n210", DEATHS)
    box(ax, sides[0], rows[1], side, side_height, "Immigrati\n350", "#2a7fb8")
    box(ax, sides[1], rows[1], side, side_height, "Emigrati\n120", "#d17a22")
    inner, outer = 0.5 - middle / 2 - 0.005, sides[0] + side / 2 + 0.005
    for row, (left, right) in zip(rows, [(BIRTHS, DEATHS), ("#2a7fb8", "#d17a22")]):
        arrow(ax, (outer, row), (inner, row), left)
        arrow(ax, (1 - inner, row), (1 - outer, row), right)
    arrow(ax, (0.5, rows[0] - height / 2 - 0.005), (0.5, rows[1] + height / 2 + 0.005), "#6b6b6b")
    ax.text(0.52, (rows[0] + rows[1]) / 2, "un anno", fontsize=9, style="italic", va="center")
    # What is worked out, the numbers put in and the result.
    lines = [
        ("SALDI", None, None),
        ("Saldo naturale = nati − morti", "180 − 210", "−30"),
        ("Saldo migratorio = immigrati − emigrati", "350 − 120", "+230"),
        ("Saldo totale (finale)", "−30 + 230", "+200"),
        ("TASSI (ogni 1000 abitanti)", None, None),
        ("Natalità", "180 × 1000 ÷ 20 000", "9 ‰"),
        ("Mortalità", "210 × 1000 ÷ 20 000", "10,5 ‰"),
        ("Incremento naturale", "9 − 10,5", "−1,5 ‰"),
        ("Incremento totale", "200 × 1000 ÷ 20 000", "+10 ‰"),
    ]
    # On the board the sums stand beside the picture, each on two lines.
    sums = ax
    y, step = 0.48, 0.055
    if on_board():
        sums = fig.add_axes([0.5, 0.04, 0.49, 0.84])
        sums.set_xlim(0, 1)
        sums.set_ylim(0, 1)
        sums.axis("off")
        y, step = 0.97, 0.0635
    for formula, numbers, result in lines:
        if result is None:
            sums.text(0.03, y, formula, fontsize=11.5, fontweight="bold", color=POP, va="center")
            y -= step
            continue
        if on_board():
            sums.text(0.05, y, formula, fontsize=10.8, va="center")
            y -= step
            sums.text(0.1, y, f"= {numbers} = ", fontsize=10.8, va="center")
        else:
            sums.text(0.05, y, f"{formula} = {numbers} = ", fontsize=10.8, va="center")
        sums.text(0.98, y, result, fontsize=11.5, va="center", ha="right", fontweight="bold",
                  color=DEATHS if result.startswith("−") else BIRTHS)
        y -= step
    save(fig, "statistica.jpg")


def densitacalc():
    fig = figure("Come si calcola la densità")
    ax = fig.add_axes(place([0.03, 0.52, 0.94, 0.36], [0.02, 0.4, 0.58, 0.46]))
    ax.set_xlim(0, 1)
    ax.set_ylim(0, 1)
    ax.axis("off")
    box(ax, 0.5, 0.87, 0.9, 0.2, "densità = abitanti ÷ superficie in km²", POP, size=12.5)
    ax.text(0.04, 0.58, "Italia, censimento 2001:", fontsize=10.5, fontweight="bold")
    ax.text(0.04, 0.4, "56 995 744 abitanti ÷ 301 338 km²", fontsize=10.5)
    ax.text(0.04, 0.2, "≈ 189 abitanti per km²", fontsize=12, fontweight="bold", color=DEATHS)
    ax.text(0.04, 0.02, "è una media: ci sono zone\npiù affollate e zone quasi vuote", fontsize=8.5,
            style="italic", va="bottom")
    # One square kilometre with its 189 inhabitants, one dot each.
    square = fig.add_axes(place([0.7, 0.47, 0.24, 0.24], [0.17, 0.07, 0.2, 0.24]))
    square.set_xlim(0, 14)
    square.set_ylim(0, 14)
    square.set_aspect("equal")
    square.set_xticks([])
    square.set_yticks([])
    for side in square.spines.values():
        side.set_visible(True)
        side.set_color(POP)
        side.set_linewidth(2)
    square.set_facecolor("#f4f0e4")
    dots = [(0.5 + i % 14, 13.5 - i // 14) for i in range(189)]
    square.scatter([x for x, _ in dots], [y for _, y in dots], s=6, color=DEATHS)
    square.set_title("1 km² = 189 persone", fontsize=9)

    bars = fig.add_axes(place([0.25, 0.08, 0.68, 0.34], [0.7, 0.1, 0.28, 0.68]))
    countries = [("Paesi Bassi", 383), ("Belgio", 336), ("Germania", 230), ("Italia", 189), ("Francia", 108),
                 ("Spagna", 80), ("Stati Uniti", 29), ("Canada", 3), ("Australia", 2.5)]
    names = [n for n, _ in countries][::-1]
    values = [v for _, v in countries][::-1]
    drawn = bars.barh(names, values, color=[DEATHS if n == "Italia" else "#7d9fbd" for n in names], height=0.7)
    for bar, value in zip(drawn, values):
        bars.text(value + 4, bar.get_y() + bar.get_height() / 2, it(value, 1 if value < 3 else 0), va="center",
                  fontsize=8.5)
    bars.set_xlim(0, 430)
    bars.set_xticks([])
    bars.spines["bottom"].set_visible(False)
    bars.tick_params(axis="y", labelsize=9)
    bars.set_title(place("Abitanti per km² intorno al 2000", "Abitanti per km²\nintorno al 2000"), loc="left", fontsize=10.5)
    source(fig, "ISTAT, censimento 2001; ONU, World Population Prospects (anno 2000)")
    save(fig, "densitàcalc.jpg")


# Residents at the census of 2001 and area in km² of each region (ISTAT).
REGIONS = {
    "piedmont": ("Piemonte", 4214677, 25387), "aosta-valley": ("Valle d'Aosta", 119548, 3261),
    "lombardy": ("Lombardia", 9032554, 23863), "trentino-south-tyrol": ("Trentino-A. A.", 940016, 13607),
    "veneto": ("Veneto", 4527694, 18407), "friuli-venezia-giulia": ("Friuli-V. G.", 1183764, 7858),
    "liguria": ("Liguria", 1571783, 5416), "emilia-romagna": ("Emilia-Romagna", 3983346, 22446),
    "tuscany": ("Toscana", 3497806, 22987), "umbria": ("Umbria", 825826, 8456),
    "marche": ("Marche", 1470581, 9401), "lazio": ("Lazio", 5112413, 17232),
    "abruzzo": ("Abruzzo", 1262392, 10832), "molise": ("Molise", 320601, 4461),
    "campania": ("Campania", 5701931, 13671), "apulia": ("Puglia", 4020707, 19541),
    "basilicata": ("Basilicata", 597768, 10073), "calabria": ("Calabria", 2011466, 15222),
    "sicily": ("Sicilia", 4968991, 25832), "sardinia": ("Sardegna", 1631880, 24100),
}
# The bands of the lesson: low, middle, high and very high density.
CLASSES = [(0, 100, "#fff1c9", "meno di 100: bassa"), (100, 150, "#fdc97a", "da 100 a 150: media"),
           (150, 500, "#e8743b", "da 150 a 500: alta"), (500, 10 ** 6, "#7a1414", "più di 500: altissima")]
# No region reaches 500 inhabitants per km²: the provinces around Milan and Naples do (2001).
VERY_DENSE = [("Milano", 9.19, 45.46), ("Napoli", 14.27, 40.85)]
# Where a label would not fit inside its region: offset in map units.
LABEL_SHIFT = {"liguria": (-18, 30), "aosta-valley": (-6, -18), "molise": (22, 10), "umbria": (0, 4),
               "friuli-venezia-giulia": (14, -2), "marche": (12, 0), "trentino-south-tyrol": (0, -4), "piedmont": (-6, 22)}
# Numbers moved aside from the city marks, still inside their region.
CITY_SHIFT = {"lombardy": (22, 12), "lazio": (14, 14), "campania": (12, -12)}


def fetch_map():
    folder = tempfile.mkdtemp(prefix="svgmaps-")
    subprocess.run(["npm", "install", "--silent", "--no-audit", "--no-fund", "--prefix", folder,
                    "@svg-maps/italy@2.0.0"], check=True)
    with open(os.path.join(folder, "node_modules", "@svg-maps", "italy", "index.js"), encoding="utf-8") as f:
        text = f.read()
    return json.loads(text[text.index("{"):text.rindex("}") + 1])


def region_path(d):
    """The package's paths use only relative moves and lines ("m", implicit lines, "z")."""
    vertices, codes = [], []
    x = y = 0.0
    start = (0.0, 0.0)
    for command, body in re.findall(r"([mMzZ])([^mMzZ]*)", d):
        if command in "zZ":
            vertices.append(start)
            codes.append(Path.CLOSEPOLY)
            x, y = start
            continue
        numbers = [float(v) for v in re.findall(r"-?[\d.]+(?:e-?\d+)?", body)]
        for i in range(0, len(numbers), 2):
            dx, dy = numbers[i], numbers[i + 1]
            x, y = (dx, dy) if command == "M" and i == 0 else (x + dx, y + dy)
            if i == 0:
                start = (x, y)
            vertices.append((x, y))
            codes.append(Path.MOVETO if i == 0 else Path.LINETO)
    return Path(vertices, codes)


def colour_of(density):
    return next(c for low, high, c, _ in CLASSES if low <= density < high)


def densita():
    data = fetch_map()
    fig = figure("Densità della popolazione in Italia (2001)")
    ax = fig.add_axes(place([0.0, 0.045, 0.62, 0.875], [0.0, 0.03, 0.5, 0.9]))
    ax.set_aspect("equal")
    ax.axis("off")
    ax.set_xlim(0, 610)
    ax.set_ylim(793, 0)
    extents = {}
    for location in data["locations"]:
        name, people, area = REGIONS[location["id"]]
        density = people / area
        path = region_path(location["path"])
        ax.add_patch(PathPatch(path, fc=colour_of(density), ec="white", lw=0.8))
        extents[location["id"]] = path.get_extents()
    for key, (name, people, area) in REGIONS.items():
        box_ = extents[key]
        dx, dy = LABEL_SHIFT.get(key, CITY_SHIFT.get(key, (0, 0)))
        density = round(people / area)
        dark = density >= 500
        ax.text(box_.x0 + box_.width / 2 + dx, box_.y0 + box_.height / 2 + dy, str(density), ha="center",
                va="center", fontsize=9.5, fontweight="bold", color="white" if dark and key not in LABEL_SHIFT else INK)
    # Three cities placed from their longitude and latitude, fitted on the map's extreme points.
    west, east = extents["aosta-valley"].x0, extents["apulia"].x1
    north, south = extents["trentino-south-tyrol"].y0, extents["sardinia"].y1
    def on_map(lon, lat):
        return (west + (lon - 6.63) / (18.52 - 6.63) * (east - west),
                north + (47.09 - lat) / (47.09 - 38.86) * (south - north))
    for city, lon, lat in VERY_DENSE:
        cx, cy = on_map(lon, lat)
        ax.add_patch(plt.Circle((cx, cy), 17, fc=CLASSES[-1][2], ec="white", lw=1, alpha=0.9))
    for city, lon, lat in [("Milano", 9.19, 45.46), ("Roma", 12.50, 41.90), ("Napoli", 14.27, 40.85)]:
        cx, cy = on_map(lon, lat)
        ax.plot(cx, cy, "o", ms=5, mfc="white", mec=INK, mew=1.4)
        ax.text(cx - 7, cy, city, ha="right", va="center", fontsize=9.5, fontweight="bold",
                bbox={"boxstyle": "round,pad=0.15", "fc": "white", "ec": "none", "alpha": 0.85})

    legend = [Patch(fc=c, ec="#888888", label=label) for _, _, c, label in CLASSES]
    fig.legend(handles=legend, title="abitanti per km²", loc="upper left", bbox_to_anchor=place((0.6, 0.88), (0.45, 0.86)),
               fontsize=9.5, title_fontsize=10, frameon=False)
    notes = ("Media italiana:\n189 ab/km²\n\n"
             "Province di Napoli\ne di Milano:\noltre 1800 ab/km²\n(cerchi scuri)\n\n"
             "Più popolate:\npianura Padana,\ncoste, zone intorno\na Milano e Napoli\n\n"
             "Meno popolate:\nAlpi, Appennini,\nSardegna, zone interne")
    fig.text(place(0.62, 0.75), place(0.6, 0.87), notes, fontsize=9.5, va="top", linespacing=1.25)
    source(fig, "ISTAT, censimento 2001; confini: @svg-maps/italy (CC BY 4.0)")
    save(fig, "densità.jpg")


# Men and women in each five-year age class in 2000, in thousands, from 0-4 to 100+:
# United Nations, World Population Prospects 2019 (data sets popM and popF). The three
# countries of the pyramid screen; the classes from 85 on are drawn as one bar.
PYRAMIDS_2000 = [
    ("A triangolo", "Algeria", ("molti giovani,\npochi anziani", "molti giovani,\npochi anziani"),
     [1576.131, 1882.782, 1987.949, 1910.894, 1673.171, 1378.992, 1153.406, 982.899, 800.252, 663.127, 424.371,
      340.986, 313.495, 271.908, 183.517, 105.473, 57.32, 19.658, 4.317, 0.428, 0.023],
     [1508.719, 1805.099, 1906.275, 1843.185, 1624.573, 1347.939, 1125.123, 949.215, 763.736, 638.738, 424.391,
      352.729, 326.94, 276.124, 198.279, 116.744, 70.152, 25.993, 6.443, 0.698, 0.044]),
    ("A campana", "Stati Uniti", ("giovani e adulti quasi\nalla pari; in mezzo\ni nati del baby boom",
                                 "giovani e adulti\nquasi alla pari;\nin mezzo i nati\ndel baby boom"),
     [10000.905, 10671.51, 10607.728, 10223.642, 9705.899, 9761.952, 10517.304, 11448.082, 11213.322, 10037.915,
      8544.729, 6375.046, 5262.559, 4378.558, 3878.913, 3053.384, 1883.372, 858.119, 274.235, 58.808, 5.606],
     [9563.676, 10176.5, 10119.062, 9710.357, 9329.933, 9523.399, 10096.342, 11126.992, 11187.667, 10213.431,
      8959.431, 6944.267, 5643.768, 5071.324, 4902.578, 4325.729, 3126.458, 1806.518, 854.111, 233.072, 34.711]),
    ("A botte", "Italia", ("pochi bambini,\nmolti adulti e anziani", "pochi bambini,\nmolti adulti\ne anziani"),
     [1346.636, 1386.187, 1437.13, 1561.696, 1806.715, 2159.273, 2294.303, 2259.821, 1974.649, 1838.441, 1898.039,
      1583.585, 1651.275, 1421.26, 1183.966, 881.893, 391.53, 268.947, 77.522, 10.917, 0.829],
     [1273.69, 1315.897, 1361.232, 1486.158, 1749.931, 2130.087, 2275.555, 2251.66, 1997.664, 1877.341, 1948.467,
      1664.286, 1796.488, 1655.888, 1549.236, 1360.037, 702.206, 591.992, 222.617, 43.106, 4.026]),
]
# Men and women in Italy at the census of 2001 (ISTAT): everyone (27 586 982 men,
# 29 408 762 women), and those aged 75 and over (63,7 % women).
ITALY_2001_BY_SEX = [("tutte le età", 27586982, 29408762), ("75 anni e più", 36.3, 63.7)]

MALES = "#3d7ab8"
FEMALES = "#e06c5a"


def piramidi():
    fig = figure("Le forme della piramide delle età")
    ages = [f"{5 * k}-{5 * k + 4}" for k in range(17)] + ["85+"]
    for index, (shape, country, meaning, men, women) in enumerate(PYRAMIDS_2000):
        men = men[:17] + [sum(men[17:])]
        women = women[:17] + [sum(women[17:])]
        total = sum(men) + sum(women)
        ax = fig.add_axes(place([0.1 + index * 0.305, 0.39, 0.27, 0.45], [0.07 + index * 0.18, 0.3, 0.15, 0.48]))
        ax.barh(range(18), [-100 * m / total for m in men], color=MALES, height=0.85)
        ax.barh(range(18), [100 * w / total for w in women], color=FEMALES, height=0.85)
        ax.axvline(0, color="white", lw=0.8)
        ax.set_xlim(-7, 7)
        ax.set_ylim(-0.6, 17.6)
        ax.set_xticks([])
        ax.spines["bottom"].set_visible(False)
        ax.spines["left"].set_visible(index == 0)
        ax.set_yticks(range(0, 18, 3) if index == 0 else [], ages[::3] if index == 0 else [], fontsize=9)
        ax.tick_params(axis="y", length=0)
        ax.set_title(shape, fontsize=12, color=POP, pad=4)
        ax.text(0, -1.3, country, ha="center", va="top", fontsize=10.5, fontweight="bold")
        # On the board the three stand closer: shorter lines, so that neighbours never touch.
        ax.text(0, -3.0, place(*meaning), ha="center", va="top", fontsize=place(9.5, 8.5), linespacing=1.15)
    fig.text(0.5, place(0.912, 0.865), "Anno 2000. Ogni barra: quanti abitanti su 100 hanno quell'età,\n"
             "maschi a sinistra (blu), femmine a destra (rosso)", ha="center", va="center", fontsize=9,
             linespacing=1.2)

    sexes = fig.add_axes(place([0.27, 0.08, 0.66, 0.13], [0.66, 0.36, 0.32, 0.3]))
    for row, (label, men, women) in enumerate(ITALY_2001_BY_SEX):
        share = 100 * men / (men + women)
        sexes.barh(row, share, color=MALES, height=0.62)
        sexes.barh(row, 100 - share, left=share, color=FEMALES, height=0.62)
        sexes.text(share / 2, row, f"uomini {round(share)}", ha="center", va="center", color="white", fontsize=9,
                   fontweight="bold")
        sexes.text(share + (100 - share) / 2, row, f"donne {round(100 - share)}", ha="center", va="center",
                   color="white", fontsize=9, fontweight="bold")
    sexes.set_xlim(0, 100)
    sexes.set_xticks([])
    if on_board():  # each row's name over its bar, so that the bars have the width
        sexes.set_yticks([])
        for row, (label, _, _) in enumerate(ITALY_2001_BY_SEX):
            sexes.text(0, row - 0.36, label, va="bottom", fontsize=9)
        sexes.spines["left"].set_visible(False)
    else:
        sexes.set_yticks(range(len(ITALY_2001_BY_SEX)), [label for label, _, _ in ITALY_2001_BY_SEX], fontsize=9)
    sexes.tick_params(axis="y", length=0)
    sexes.spines["bottom"].set_visible(False)
    sexes.invert_yaxis()
    sexes.set_title(place("Italia, censimento 2001: su 100 abitanti", "Italia, censimento 2001:\nsu 100 abitanti"), loc="left",
                    fontsize=10, pad=place(6, 24))
    source(fig, "ONU, World Population Prospects 2019 (anno 2000); ISTAT, censimento 2001")
    save(fig, "piramidi.jpg")


# Italy today (ISTAT): births and deaths in thousands in 2000 (yearly statistics) and
# 2023 (Indicatori demografici), foreign residents at the censuses of 1991 and 2001, in
# millions; the figures of the latest year come from tools/lessons/oggi.toml, as in the
# lessons' boxes.
BIRTHS_DEATHS_BEFORE = [("2000", 543, 560), ("2023", 380, 661)]
FOREIGNERS_BEFORE = [("1991", 0.36), ("2001", 1.34)]


def today():
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lessons"))
    import oggi  # noqa: E402
    return oggi.Figures()


def italia():
    figures = today()
    year = str(figures.year())
    thousands = lambda name: round(figures.value(name) / 1000)  # noqa: E731
    BIRTHS_DEATHS = BIRTHS_DEATHS_BEFORE + [(year, thousands("nati"), thousands("morti"))]
    ABROAD = [("arrivati\ndall'estero", thousands("arrivi_estero"), "#2a7fb8"),
              ("partiti\nper l'estero", thousands("partenze_estero"), "#d17a22")]
    FOREIGNERS = FOREIGNERS_BEFORE + [(year, figures.value("stranieri") / 1e6)]
    fig = figure("Nati, morti e migrazioni")
    top = fig.add_axes(place([0.1, 0.56, 0.86, 0.3], [0.07, 0.22, 0.39, 0.54]))
    for row, (year, born, dead) in enumerate(BIRTHS_DEATHS):
        top.bar(row - 0.19, born, width=0.36, color=BIRTHS, label="nati" if row == 0 else None)
        top.bar(row + 0.19, dead, width=0.36, color=DEATHS, label="morti" if row == 0 else None)
        top.text(row - 0.19, born + 12, str(born), ha="center", fontsize=9)
        top.text(row + 0.19, dead + 12, str(dead), ha="center", fontsize=9)
        top.text(row, 830, f"saldo {it(born - dead).replace('-', '−')}", ha="center", va="top", fontsize=9.5,
                 color=DEATHS, fontweight="bold")
    top.set_xticks(range(len(BIRTHS_DEATHS)), [year for year, _, _ in BIRTHS_DEATHS])
    top.set_ylim(0, 840)
    top.set_yticks([0, 200, 400, 600])
    top.set_title(place("Nati e morti in Italia (migliaia all'anno)", "Nati e morti in Italia\n(migliaia all'anno)"), loc="left")
    if on_board():
        top.legend(loc="upper center", bbox_to_anchor=(0.5, -0.12), fontsize=9, ncol=2, frameon=False)
    else:
        top.legend(loc="upper right", bbox_to_anchor=(1, 1.14), fontsize=9, ncol=2, frameon=False)

    middle = fig.add_axes(place([0.27, 0.33, 0.69, 0.13], [0.61, 0.52, 0.37, 0.2]))
    for row, (label, people, colour) in enumerate(ABROAD):
        middle.barh(row, people, color=colour, height=0.65)
        middle.text(people + 6, row, f"{people} mila", va="center", fontsize=9.5, fontweight="bold")
    middle.set_yticks(range(len(ABROAD)), [label for label, _, _ in ABROAD], fontsize=9)
    middle.set_xlim(0, place(560, 760))
    middle.set_xticks([])
    middle.spines["bottom"].set_visible(False)
    middle.tick_params(axis="y", length=0)
    middle.invert_yaxis()
    balance = f"saldo migratorio +{ABROAD[0][1] - ABROAD[1][1]} mila"
    middle.set_title(place(f"Con l'estero nel {year}: {balance}", f"Con l'estero nel {year}:\n{balance}"), loc="left",
                     fontsize=10.5)
    middle.text(place(560, 760), 1, f"tra loro {thousands('italiani_partiti')} mila\nitaliani", ha="right", va="center", fontsize=9,
                color="#8a4a10")

    bottom = fig.add_axes(place([0.27, 0.09, 0.69, 0.15], [0.61, 0.14, 0.37, 0.22]))
    for row, (year, millions) in enumerate(FOREIGNERS):
        bottom.barh(row, millions, color="#6a5acd", height=0.65)
        bottom.text(millions + 0.06, row, f"{it(millions, 2)} milioni", va="center", fontsize=9.5)
    bottom.set_yticks(range(len(FOREIGNERS)), [f"censimento {year}" for year, _ in FOREIGNERS], fontsize=9)
    bottom.set_xlim(0, place(7, 9))
    bottom.set_xticks([])
    bottom.spines["bottom"].set_visible(False)
    bottom.tick_params(axis="y", length=0)
    bottom.invert_yaxis()
    bottom.set_title("Stranieri residenti in Italia", loc="left", fontsize=10.5)
    source(fig, "ISTAT, censimenti, Indicatori demografici e Rapporto annuale")
    save(fig, "italia.jpg")


# Montenovo, the village of the in-depth page, with the figures of its lesson: about
# 1200 inhabitants, 37 baptisms and 32 burials in a normal year, 162 burials in 1649.
MONTENOVO_PICTURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lessons", "montenovo.png")


def montenovo():
    fig = plt.figure(figsize=(6.5, 2.7), dpi=200)
    fig.patch.set_facecolor("white")
    counts = fig.add_axes([0.08, 0.2, 0.36, 0.56])
    for row, (label, baptisms, burials) in enumerate([("anno normale", 37, 32), ("1649 (tifo)", 37, 162)]):
        counts.bar(row - 0.19, baptisms, width=0.36, color=BIRTHS, label="battesimi" if row == 0 else None)
        counts.bar(row + 0.19, burials, width=0.36, color=DEATHS, label="sepolture" if row == 0 else None)
        counts.text(row - 0.19, baptisms + 4, str(baptisms), ha="center", fontsize=9)
        counts.text(row + 0.19, burials + 4, str(burials), ha="center", fontsize=9)
    counts.set_xticks([0, 1], ["anno normale", "1649 (tifo)"], fontsize=9.5)
    counts.set_ylim(0, 190)
    counts.tick_params(axis="y", labelsize=9)
    counts.legend(loc="upper left", fontsize=9, frameon=False)
    counts.set_title("Battesimi e sepolture in un anno", loc="left", fontsize=10.5)

    years = list(range(1640, 1676))
    people = [1200 + 5 * (y - 1649) if y <= 1649 else 1075 + 5 * (y - 1650) for y in years]
    line = fig.add_axes([0.55, 0.2, 0.42, 0.56])
    line.plot(years, people, color=POP, lw=2.4)
    line.set_ylim(1000, 1250)
    line.set_xlim(1640, 1675)
    line.tick_params(labelsize=9)
    line.annotate("−125 abitanti\nin pochi mesi", (1650, 1075), (1655, 1030), fontsize=9, color=DEATHS,
                  fontweight="bold", arrowprops={"arrowstyle": "->", "color": DEATHS})
    line.annotate("circa 25 anni\nper tornare a 1200", (1674, 1195), (1657, 1215), fontsize=9, ha="left",
                  arrowprops={"arrowstyle": "->"})
    line.set_title("Abitanti di Montenovo", loc="left", fontsize=10.5)
    fig.text(0.5, 0.97, "Montenovo nel Seicento: un paese immaginario, con i numeri tipici di quel secolo",
             ha="center", va="top", fontsize=10, fontweight="bold", color=POP)
    fig.text(0.5, 0.02, "Dai registri parrocchiali: il libro dei battesimi e quello dei morti", ha="center",
             va="bottom", fontsize=9, style="italic", color="#555555")
    small = too_small(fig)
    if small:
        raise SystemExit("montenovo.png: text too small:\n  " + "\n  ".join(small))
    fig.savefig(MONTENOVO_PICTURE, dpi=200)
    plt.close(fig)
    # In 256 colours, which the lesson reader decodes four times faster than full colour;
    # the background stays pure white.
    from PIL import Image
    picture = Image.open(MONTENOVO_PICTURE).convert("RGB").quantize(256, dither=Image.Dither.NONE)
    palette = picture.getpalette()
    lightest = max(range(len(palette) // 3), key=lambda i: sum(palette[3 * i:3 * i + 3]))
    palette[3 * lightest:3 * lightest + 3] = [255, 255, 255]
    picture.putpalette(palette)
    picture.save(MONTENOVO_PICTURE, optimize=True)
    print("written", MONTENOVO_PICTURE)


def main():
    global MODE
    os.makedirs(OUT, exist_ok=True)
    steps = {"popitalia2": popitalia2, "crisi": crisidimortalita, "popitalia3": popitalia3, "aula": aula,
             "statistica": statistica, "densitacalc": densitacalc, "densita": densita, "piramidi": piramidi,
             "italia": italia, "montenovo": montenovo}
    chosen = sys.argv[1:] or list(steps)
    for name in chosen:
        MODE = PAGE
        steps[name]()
        if name != "montenovo":  # the in-depth page's picture lies in its text, not in the picture box
            MODE = BOARD
            steps[name]()


if __name__ == "__main__":
    main()
