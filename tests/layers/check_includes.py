#!/usr/bin/env python3
"""Every include of the program points down its layers, never up:

    platform  <  logic  <  screen kit  <  screens  <  program shell  <  test support

src/platform is the platform, src/screenkit the kit, src/app the shell and
src/testsupport the test support. In a subsystem's folder a file is a screen when it
includes the kit or another screen, and logic otherwise. Prints each include that goes
up and fails when there is one.
"""
import pathlib
import re
import sys

SRC = pathlib.Path(__file__).resolve().parents[2] / "src"
NAMED = {"platform": 0, "screenkit": 2, "app": 4, "testsupport": 5}
NAMES = ["platform", "logic", "screen kit", "screens", "program shell", "test support"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def includes_of(files):
    found = {}
    for path in files:
        targets = set()
        for name in INCLUDE.findall(path.read_text()):
            for candidate in (SRC / name, path.parent / name):
                if candidate.exists():
                    targets.add(candidate.resolve())
                    break
        found[path.resolve()] = targets
    return found


def layers_of(includes):
    layer = {f: NAMED.get(f.relative_to(SRC).parts[0], 1) for f in includes}
    changed = True
    while changed:  # a file that includes a screen or the kit is a screen itself
        changed = False
        for f, targets in includes.items():
            if layer[f] == 1 and any(layer.get(t) in (2, 3) for t in targets):
                layer[f], changed = 3, True
    return layer


def main():
    files = [p for p in SRC.rglob("*") if p.suffix in (".h", ".cpp")]
    includes = includes_of(files)
    layer = layers_of(includes)
    wrong = [(f, t) for f, targets in includes.items() for t in targets if layer.get(t, 0) > layer[f]]
    for f, t in sorted(wrong):
        print(f"{f.relative_to(SRC)} ({NAMES[layer[f]]}) includes {t.relative_to(SRC)} ({NAMES[layer[t]]})")
    counts = [sum(1 for f in layer if layer[f] == n) for n in range(len(NAMES))]
    print(", ".join(f"{NAMES[n]}: {counts[n]} files" for n in range(len(NAMES))))
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
