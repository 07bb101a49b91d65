#!/usr/bin/env python3
"""A small mutation trial: how many deliberate faults in the logic does the suite catch?

Copies the tree, builds it once, then plants one fault at a time in a logic source
(a comparison flipped, a constant changed by one, a statement dropped, a condition
negated), rebuilds, and runs the tests: first those of the fault's own subsystem, then
all the others. A fault that does not build is put back and the next one drawn.

    tools/mutationtrial.py [--count 40] [--seed 2026] [--work DIR] [--list]

The faults are drawn from the tree with a fixed seed, so two runs on trees whose logic
sources are the same try the same faults; the report lists each one with its line.
"""
import argparse
import pathlib
import random
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
LOGIC_FOLDERS = ["platform", "rtf", "archive", "register", "exercises", "simulation",
                 "pyramids", "populations", "families", "lessons", "questionnaires"]
WIDGETS = re.compile(r"QtWidgets|QWidget|QLabel|QPushButton|QDialog|QPainter|QApplication|QStyle|QPdfWriter|Q\w*View\b|QChart")
FLIPPED = {"==": "!=", "!=": "==", "<=": ">", ">=": "<", "<": ">=", ">": "<="}
COMPARISON = re.compile(r"(?<=\s)(==|!=|<=|>=|<|>)(?=\s)")
INTEGER = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")
STATEMENT = re.compile(r"^\s*[A-Za-z_][\w:.\[\]]*(->\w+)*\s*(\(.*\)|[-+*/|&]?=\s.*|\+\+|--);\s*$")
DECLARATION = re.compile(r"^\s*(return|const|auto|static|int|double|bool|qint64|QString|QStringList|QVariant|using|case|break|continue)\b")
CONDITION = re.compile(r"\b(if|while) \(")


def logic_sources(tree):
    for folder in LOGIC_FOLDERS:
        for source in sorted((tree / "src" / folder).glob("*.cpp")):
            header = source.with_suffix(".h")
            text = source.read_text() + (header.read_text() if header.exists() else "")
            if not WIDGETS.search(text):
                yield source.relative_to(tree)


def code_part(line):
    """The line without its comment and string literals, or None for lines never touched."""
    stripped = line.strip()
    if not stripped or stripped.startswith(("//", "#", "*", "/*")):
        return None
    line = re.sub(r'"(\\.|[^"\\])*"', lambda m: " " * len(m.group(0)), line)
    return line.split("//")[0]


def closing_paren(text, start):
    depth = 0
    for at in range(start, len(text)):
        depth += {"(": 1, ")": -1}.get(text[at], 0)
        if depth == 0:
            return at
    return None


def faults_in(tree, path):
    """Every fault this file offers, as (path, line number, kind, original, mutated)."""
    for number, line in enumerate((tree / path).read_text().splitlines(), 1):
        code = code_part(line)
        if code is None:
            continue
        for match in COMPARISON.finditer(code):
            if not re.search(r"<<|>>|template|std::\w+<|Q\w+<", code):
                mutated = line[:match.start()] + FLIPPED[match.group(1)] + line[match.end():]
                yield (path, number, "comparison flipped", line, mutated)
        for match in INTEGER.finditer(code):
            mutated = line[:match.start()] + str(int(match.group(1)) + 1) + line[match.end():]
            yield (path, number, "constant changed by one", line, mutated)
        if STATEMENT.match(code) and not DECLARATION.match(code):
            yield (path, number, "statement dropped", line, re.match(r"\s*", line).group(0) + ";")
        for match in CONDITION.finditer(code):
            end = closing_paren(code, match.end() - 1)
            if end is not None:
                opening = match.end()
                mutated = line[:opening] + "!(" + line[opening:end] + ")" + line[end:]
                yield (path, number, "condition negated", line, mutated)


def describe(fault):
    path, number, kind, original, mutated = fault
    return f"{path}:{number}: {kind}: {(original if kind == 'statement dropped' else mutated).strip()}"


def run(command, cwd, timeout=None):
    return subprocess.run(command, cwd=cwd, timeout=timeout, capture_output=True, text=True)


def failed_tests(result):
    return re.findall(r"^\s*\d+ - (\S+)", result.stdout, re.M)


def subsystem_tests(tree, path):
    folder = path.parts[1]
    names = sorted(p.stem for tests in (tree / "tests" / folder, tree / "src" / folder / "tests")
                   for p in tests.glob("tst_*.cpp"))
    return "^(" + "|".join(names) + ")(_it_IT)?$" if names else None


def try_fault(tree, build, fault):
    """'killed by X', 'survived' or None when the fault does not build."""
    path, number, _, _, mutated = fault
    source = tree / path
    original = source.read_text()
    lines = original.splitlines(keepends=True)
    lines[number - 1] = mutated + "\n"
    source.write_text("".join(lines))
    try:
        if run(["cmake", "--build", str(build)], tree, timeout=900).returncode != 0:
            return None
        own = subsystem_tests(tree, path)
        stages = ([["-R", own], ["-E", own]] if own else [[]])
        for stage in stages:
            result = run(["ctest", "--test-dir", str(build), "-j2", "--stop-on-failure", "--timeout", "300"] + stage, tree)
            if result.returncode != 0:
                return "killed by " + ", ".join(failed_tests(result) or ["the run"])
        return "survived"
    finally:
        source.write_text(original)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--count", type=int, default=40)
    parser.add_argument("--seed", type=int, default=2026)
    parser.add_argument("--work", type=pathlib.Path, help="folder for the copy of the tree (kept)")
    parser.add_argument("--list", action="store_true", help="only list the first faults drawn")
    args = parser.parse_args()

    faults = [f for path in logic_sources(ROOT) for f in faults_in(ROOT, path)]
    random.Random(args.seed).shuffle(faults)
    if args.list:
        for fault in faults[:args.count]:
            print(describe(fault))
        return 0

    work = args.work or pathlib.Path(tempfile.mkdtemp(prefix="censaria-mutants-"))
    tree, build = work / "tree", work / "build"
    shutil.rmtree(tree, ignore_errors=True)
    shutil.copytree(ROOT, tree, ignore=lambda folder, names: [
        n for n in names if folder == str(ROOT) and (n.startswith("build") or n == ".git")])
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    run(["cmake", "-S", str(tree), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
         "-DBUILD_SHARED_LIBS=ON", "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON"] + launcher, tree).check_returncode()
    if run(["cmake", "--build", str(build)], tree).returncode != 0 or \
            run(["ctest", "--test-dir", str(build), "-j2", "--timeout", "300"], tree).returncode != 0:
        print("the unchanged tree does not build or pass its tests", file=sys.stderr)
        return 1

    tried = killed = 0
    for fault in faults:
        if tried == args.count:
            break
        verdict = try_fault(tree, build, fault)
        if verdict is None:
            continue
        tried += 1
        killed += verdict.startswith("killed")
        print(f"{tried:2}. {describe(fault)}\n    {verdict}", flush=True)
    print(f"caught {killed} of {tried} faults")
    return 0


if __name__ == "__main__":
    sys.exit(main())
