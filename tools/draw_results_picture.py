#!/usr/bin/env python3
"""Draws the picture under "TORNA" on the results screen: a way back from the
archive's shelves, with a large arrow turning home.

Run from the project root:  python3 tools/draw_results_picture.py > src/resources/pictures/results-back.svg
"""

W, H = 822, 600  # the picture's 2055 x 1500 twips, at 0.4 pixel per twip
out = []
add = out.append

add(f'<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 {W} {H}" width="{W}" height="{H}">')
add('<defs>'
    '<linearGradient id="room" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#2a1740"/><stop offset="0.55" stop-color="#3d2160"/>'
    '<stop offset="1" stop-color="#5a2f7a"/></linearGradient>'
    '<linearGradient id="arrow" x1="0" y1="0" x2="1" y2="0">'
    '<stop offset="0" stop-color="#ffd2ff"/><stop offset="1" stop-color="#ff8ad8"/></linearGradient>'
    '</defs>')
add(f'<rect x="4" y="4" width="{W - 8}" height="{H - 8}" rx="34" fill="url(#room)" stroke="#ffc0ff" stroke-width="6"/>')

# Shelves of the archive at the right, with coloured binders of results.
colours = ["#f2a541", "#4f9d69", "#3d7ab8", "#e06c5a", "#c0c000", "#8e6cb8", "#2c8c99"]
shelf_x, shelf_w = 520, 250
for level, top in enumerate((200, 320, 440)):
    add(f'<rect x="{shelf_x}" y="{top + 92}" width="{shelf_w}" height="12" rx="4" fill="#c9a46a"/>')
    x = shelf_x + 10
    for k in range(7):
        width = 26 + (k * 7 + level * 5) % 11
        height = 70 + (k * 13 + level * 17) % 22
        colour = colours[(k + level * 3) % len(colours)]
        add(f'<rect x="{x}" y="{top + 92 - height}" width="{width}" height="{height}" rx="4" fill="{colour}" '
            f'stroke="#1d1030" stroke-width="2"/>')
        add(f'<rect x="{x + 6}" y="{top + 92 - height + 12}" width="{width - 12}" height="8" rx="2" fill="#fdfaf0" opacity="0.8"/>')
        x += width + 5

# The way back: a thick arrow that leaves the shelves and turns left.
add('<path d="M 470 500 C 470 330, 360 250, 220 250 L 220 190 L 60 320 L 220 450 L 220 390 '
    'C 300 390, 350 420, 350 500 Z" fill="url(#arrow)" stroke="#7a1f6a" stroke-width="8" stroke-linejoin="round"/>')

# A pupil's page of results, left behind on the floor of the archive.
add('<g transform="rotate(-8 140 520)">'
    '<rect x="70" y="470" width="150" height="100" rx="8" fill="#fdfaf0" stroke="#7a5a44" stroke-width="3"/>')
for k in range(4):
    y = 492 + k * 20
    add(f'<line x1="86" y1="{y}" x2="{150 + (k * 23) % 50}" y2="{y}" stroke="#3d7ab8" stroke-width="6" stroke-linecap="round"/>')
add('</g>')
add('</svg>')
print("\n".join(out))
