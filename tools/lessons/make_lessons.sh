#!/usr/bin/env bash
# Regenerates the lesson files data/perCensaria/a-*.rtf from their HTML sources
# in this folder, the figures of today taken from oggi.toml, with LibreOffice Writer run
# headless (a developer tool only: apt-get install -y --no-install-recommends libreoffice-writer).
#
#   tools/lessons/make_lessons.sh                  write the RTF files
#   tools/lessons/make_lessons.sh --preview DIR    also render each page into DIR as PDF
#                                                  and PNG, at the width of the lesson screen
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
data="$here/../../data/perCensaria"
preview=""
if [ "${1:-}" = "--preview" ]; then
    preview="${2:?--preview needs a folder}"
fi

command -v soffice >/dev/null || {
    echo "LibreOffice Writer is needed: apt-get install -y --no-install-recommends libreoffice-writer" >&2
    exit 1
}
if [ -n "$preview" ] && ! command -v pdftoppm >/dev/null; then
    echo "The preview needs pdftoppm: apt-get install -y --no-install-recommends poppler-utils" >&2
    exit 1
fi

# LibreOffice keeps its profile in a private folder, so that it never clashes with
# an office already open on the machine.
profile="$(mktemp -d)"
trap 'rm -rf "$profile"' EXIT
office() {
    soffice -env:UserInstallation="file://$profile" --headless "$@" >/dev/null
}

# The figures of today go into the pages from oggi.toml first: LibreOffice converts the
# pages as made, in a folder of their own beside the stylesheet and the picture.
made="$(mktemp -d)"
trap 'rm -rf "$profile" "$made"' EXIT
cp "$here"/lezioni.css "$here"/montenovo.png "$made"/
python3 - "$here" "$made" <<'PYTHON'
import os
import sys
sys.path.insert(0, sys.argv[1])
import oggi
figures = oggi.Figures()
for name in sorted(os.listdir(sys.argv[1])):
    if name.startswith("a-") and name.endswith(".html"):
        with open(os.path.join(sys.argv[1], name), encoding="utf-8") as f:
            page = oggi.render(f.read(), figures)
        with open(os.path.join(sys.argv[2], name), "w", encoding="utf-8") as f:
            f.write(page)
PYTHON
# One LibreOffice run converts every page.
office --infilter="HTML (StarWriter)" --convert-to rtf --outdir "$data" "$made"/a-*.html
# A picture comes twice: as PNG and as an uncompressed metafile for old readers
# ({\nonshppict ...}), forty times larger. The lesson screen reads the PNG: drop the copy.
python3 - "$data"/a-*.rtf <<'PYTHON'
import re
import sys
for path in sys.argv[1:]:
    with open(path, "rb") as f:
        data = f.read()
    out = bytearray()
    pos = 0
    for match in re.finditer(rb"\{\\nonshppict", data):
        if match.start() < pos:
            continue
        depth, end = 0, match.start()
        while True:
            depth += {ord("{"): 1, ord("}"): -1}.get(data[end], 0)
            end += 2 if data[end] == ord("\\") else 1
            if depth == 0:
                break
        out += data[pos:match.start()]
        pos = end
    out += data[pos:]
    if len(out) != len(data):
        with open(path, "wb") as f:
            f.write(out)
PYTHON
echo "Written: $(cd "$data" && ls a-*.rtf | tr '\n' ' ')"
# The check runs every time; a failed check still lets the preview be made.
status=0
python3 "$here/check_lessons.py" "$data" || status=$?

[ -n "$preview" ] || exit "$status"

# The preview gives each page the width of the text column of the lesson screen:
# 5415 twips, 11415 for the Montenovo page, with the screen's left indent of 100 twips
# and room on the right for the scroll bar. Pages are 10 inches tall, so that each
# PNG can be read at full size.
mkdir -p "$preview"
for rtf in "$data"/a-*.rtf; do
    name="$(basename "$rtf")"
    width=5415
    [ "$name" = "a-popmontenovo.rtf" ] && width=11415
    sed -E -e 's/\\(paperw|pgwsxn)[0-9]+/\\\1'"$width"'/g' \
           -e 's/\\(paperh|pghsxn)[0-9]+/\\\114400/g' \
           -e 's/\\(margl|marglsxn)[0-9]+/\\\1100/g' \
           -e 's/\\(margr|margrsxn)[0-9]+/\\\1300/g' \
           -e 's/\\(margt|margtsxn|margb|margbsxn)[0-9]+/\\\1200/g' \
           "$rtf" > "$preview/$name"
done
office --convert-to pdf --outdir "$preview" "$preview"/a-*.rtf
for pdf in "$preview"/a-*.pdf; do
    pdftoppm -r 90 -png "$pdf" "${pdf%.pdf}"
done
echo "Preview in $preview"
exit "$status"
