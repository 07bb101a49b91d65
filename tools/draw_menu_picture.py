#!/usr/bin/env python3
"""Draws the main menu's picture: a population pyramid, a growth curve and a crowd.

Run from the project root (Debian's python3-matplotlib gives the name's outlines):
    /usr/bin/python3 tools/draw_menu_picture.py > src/resources/pictures/menu.svg
"""
import math
import random

from matplotlib.font_manager import FontProperties
from matplotlib.path import Path
from matplotlib.textpath import TextPath


def outlined_text(text, x, baseline, size, colour):
    """The text as outlines of DejaVu Sans Bold, centred on x: the picture then needs
    no font to be drawn (finding one is most of its cost when the menu opens) and looks
    the same on every computer."""
    path = TextPath((0, 0), text, size=size, prop=FontProperties(family="DejaVu Sans", weight="bold"))
    box = path.get_extents()
    dx = x - (box.x0 + box.x1) / 2
    point = lambda v: f"{dx + v[0]:.1f} {baseline - v[1]:.1f}"
    steps, i = [], 0
    while i < len(path.codes):
        code = path.codes[i]
        if code == Path.MOVETO:
            steps.append("M" + point(path.vertices[i]))
        elif code == Path.LINETO:
            steps.append("L" + point(path.vertices[i]))
        elif code == Path.CURVE3:
            steps.append("Q" + point(path.vertices[i]) + " " + point(path.vertices[i + 1]))
            i += 1
        elif code == Path.CURVE4:
            steps.append("C" + " ".join(point(v) for v in path.vertices[i:i + 3]))
            i += 2
        elif code == Path.CLOSEPOLY:
            steps.append("Z")
        i += 1
    return f'<path d="{"".join(steps)}" fill="{colour}"/>'


W, H = 1480, 500
out = []
add = out.append

add(f'<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 {W} {H}" width="{W}" height="{H}">')
add('<defs>'
    '<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#fef6e4"/><stop offset="1" stop-color="#f3d9b1"/></linearGradient>'
    '<linearGradient id="hill" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#8cc084"/><stop offset="1" stop-color="#5c9a5a"/></linearGradient>'
    '</defs>')
add(f'<rect x="0" y="0" width="{W}" height="{H}" rx="28" fill="url(#sky)"/>')

# A low sun and rolling hills behind everything.
add('<circle cx="1230" cy="120" r="70" fill="#f7b267" opacity="0.85"/>')
add(f'<path d="M0 {H-120} C 300 {H-190}, 600 {H-90}, 900 {H-150} S 1300 {H-200}, {W} {H-140} '
    f'L {W} {H-28} Q {W} {H} {W-28} {H} L 28 {H} Q 0 {H} 0 {H-28} Z" fill="url(#hill)"/>')

# Population pyramid: males on the left (blue), females on the right (coral).
cx, base, bar_h = 190, 420, 30
widths = [150, 142, 132, 120, 106, 90, 72, 52, 30, 14]
for i, w in enumerate(widths):
    y = base - (i + 1) * (bar_h + 4)
    add(f'<rect x="{cx - w}" y="{y}" width="{w - 3}" height="{bar_h}" rx="5" fill="#3d7ab8"/>')
    add(f'<rect x="{cx + 3}" y="{y}" width="{w * 0.97 - 3:.1f}" height="{bar_h}" rx="5" fill="#e06c5a"/>')
add(f'<line x1="{cx}" y1="{base - len(widths) * (bar_h + 4) - 8}" x2="{cx}" y2="{base + 6}" stroke="#3b3b3b" stroke-width="3"/>')

# Growth curve over a faint grid: slow for centuries, then the modern boom.
gx, gy, gw, gh = 420, 60, 460, 330
add(f'<rect x="{gx}" y="{gy}" width="{gw}" height="{gh}" rx="14" fill="#ffffff" opacity="0.75"/>')
for k in range(1, 6):
    y = gy + gh * k / 6
    add(f'<line x1="{gx + 16}" y1="{y:.1f}" x2="{gx + gw - 16}" y2="{y:.1f}" stroke="#d9cbb3" stroke-width="2"/>')
points = []
for k in range(0, 101):
    t = k / 100
    value = 0.06 + 0.86 * (math.exp(6.5 * t) - 1) / (math.exp(6.5) - 1)
    points.append(f'{gx + 24 + t * (gw - 48):.1f},{gy + gh - 20 - value * (gh - 50):.1f}')
add(f'<polyline points="{" ".join(points)}" fill="none" stroke="#c0392b" stroke-width="7" stroke-linecap="round" stroke-linejoin="round"/>')
add(f'<line x1="{gx + 24}" y1="{gy + gh - 20}" x2="{gx + gw - 20}" y2="{gy + gh - 20}" stroke="#3b3b3b" stroke-width="3"/>')
add(f'<line x1="{gx + 24}" y1="{gy + 20}" x2="{gx + 24}" y2="{gy + gh - 20}" stroke="#3b3b3b" stroke-width="3"/>')

# A crowd of people, more of them in every row towards the front.
rng = random.Random(1968)
palette = ["#3d7ab8", "#e06c5a", "#f2a541", "#4f9d69", "#8e6cb8", "#2c8c99", "#d1495b"]
rows = [(200, 5, 0.62), (265, 7, 0.74), (335, 9, 0.87), (410, 11, 1.0)]
for y, count, scale in rows:
    span = 470
    for j in range(count):
        x = 935 + span * (j + 0.5) / count + rng.uniform(-8, 8)
        colour = rng.choice(palette)
        r = 15 * scale
        add(f'<circle cx="{x:.1f}" cy="{y - 52 * scale:.1f}" r="{r:.1f}" fill="#f1c7a0" stroke="#7a5a44" stroke-width="1.5"/>')
        add(f'<path d="M {x - 22 * scale:.1f} {y:.1f} Q {x - 22 * scale:.1f} {y - 34 * scale:.1f} {x:.1f} {y - 34 * scale:.1f} '
            f'Q {x + 22 * scale:.1f} {y - 34 * scale:.1f} {x + 22 * scale:.1f} {y:.1f} Z" fill="{colour}"/>')

# The program's name.
add(outlined_text("Censaria", 660, 470, 54, "#1f3a5f"))
add('</svg>')
print("\n".join(out))
