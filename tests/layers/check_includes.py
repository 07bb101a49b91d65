#!/usr/bin/env python3
"""Every include of the program points down its layers, never up.

The libraries keep the big steps by linking (a logic test links censaria_core only, so a
widget class in it does not build); this check sees what linking cannot: an include of a
header whose inline code reaches up, a layer inside one library reaching up within it,
and a Qt module that a library does not link named by its full path.

    libraries  censaria_rtf < censaria_core < censaria_widgets < censaria_testsupport < the program
    folders    rtf < platform < logic < screen kit < screens < program shell < test support

Each file belongs to the library whose sources list names it (the sources.cmake of its
folder, src/rtf/CMakeLists.txt); a file in no library is an error. In a subsystem's folder
a file of censaria_core is logic and one of censaria_widgets a screen (or a widget of one).
Prints each include that goes up and fails when there is one.

Usage: check_includes.py [QT_HEADERS_DIR]
"""
import pathlib
import re
import subprocess
import sys

SRC = pathlib.Path(__file__).resolve().parents[2] / "src"
LIBRARIES = ["censaria_rtf", "censaria_core", "censaria_widgets", "censaria_testsupport", "censaria"]
FOLDERS = ["rtf", "platform", "logic", "screen kit", "screens", "program shell", "test support"]
NAMED_FOLDERS = {"rtf": 0, "platform": 1, "screenkit": 3, "app": 5, "testsupport": 6}
# The Qt modules each library may use; the ones above it use any.
QT_MODULES = {
    "censaria_rtf": {"QtCore", "QtGui"},
    "censaria_core": {"QtCore", "QtGui", "QtSql", "QtNetwork"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
SYSTEM_INCLUDE = re.compile(r'^\s*#\s*include\s+<([^>]+)>', re.M)
LISTED = re.compile(r'\b(?:target_sources|add_library|qt_add_executable)\((\w+)(.*?)\)', re.S)
# Tests and fuzz targets kept beside a library are not part of it.
BESIDE = {"tests", "fuzz"}


def library_of_files():
    """Each listed source file and the library (or the program) that builds it."""
    found = {}
    for listing in sorted(SRC.rglob("sources.cmake")) + sorted(SRC.rglob("CMakeLists.txt")):
        for target, body in LISTED.findall(listing.read_text()):
            if target not in LIBRARIES:
                continue
            for word in body.split():
                word = word.replace("${CMAKE_CURRENT_LIST_DIR}", str(listing.parent))
                word = word.replace("${CMAKE_CURRENT_SOURCE_DIR}", str(listing.parent))
                if word.endswith((".h", ".cpp")):
                    path = pathlib.Path(word)
                    found[(path if path.is_absolute() else listing.parent / path).resolve()] = target
    return found


def folder_of(path, library):
    top = path.relative_to(SRC).parts[0]
    if top in NAMED_FOLDERS:
        return NAMED_FOLDERS[top]
    return 2 if LIBRARIES.index(library) <= 1 else 4


def qt_headers(argv):
    if len(argv) > 1:
        return pathlib.Path(argv[1])
    for tool in ("qtpaths6", "qmake6", "qmake"):
        try:
            out = subprocess.run([tool, "-query", "QT_INSTALL_HEADERS"], capture_output=True, text=True)
        except OSError:
            continue
        if out.returncode == 0 and out.stdout.strip():
            return pathlib.Path(out.stdout.strip())
    return None


def qt_module(name, headers):
    if "/" in name:
        return name.split("/")[0] if name.startswith("Qt") else None
    for module in headers.iterdir() if headers else ():
        if (module / name).is_file():
            return module.name
    return None


def main(argv):
    library = library_of_files()
    files = [p.resolve() for p in SRC.rglob("*") if p.suffix in (".h", ".cpp")
             and not BESIDE & set(p.relative_to(SRC).parts[1:-1])]
    wrong = []
    for f in sorted(files):
        if f not in library:
            wrong.append(f"{f.relative_to(SRC)} is in no library")
    layer = {f: (LIBRARIES.index(library[f]), folder_of(f, library[f])) for f in files if f in library}

    headers = qt_headers(argv)
    module_cache = {}
    for f in sorted(layer):
        text = f.read_text()
        for name in INCLUDE.findall(text):
            for candidate in (SRC / name, f.parent / name):
                if candidate.exists():
                    t = candidate.resolve()
                    break
            else:
                continue
            if t not in layer:
                continue
            if layer[t][0] > layer[f][0] or layer[t][1] > layer[f][1]:
                wrong.append(f"{f.relative_to(SRC)} ({library[f]}, {FOLDERS[layer[f][1]]}) includes "
                             f"{t.relative_to(SRC)} ({library[t]}, {FOLDERS[layer[t][1]]})")
        allowed = QT_MODULES.get(library[f])
        if allowed is None:
            continue
        for name in SYSTEM_INCLUDE.findall(text):
            if name not in module_cache:
                module_cache[name] = qt_module(name, headers)
            module = module_cache[name]
            if module and module not in allowed:
                wrong.append(f"{f.relative_to(SRC)} ({library[f]}) includes <{name}> of {module}, "
                             f"which {library[f]} does not link")

    for line in wrong:
        print(line)
    counts = {lib: sum(1 for f in layer if library[f] == lib) for lib in LIBRARIES}
    print(", ".join(f"{lib}: {n} files" for lib, n in counts.items()))
    if headers is None:
        print("Qt's headers not found: the Qt modules were not checked")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
