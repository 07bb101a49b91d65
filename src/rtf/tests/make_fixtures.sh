#!/bin/sh
# Regenerates the RTF fixtures from the HTML sources with LibreOffice Writer
# (a developer tool only: the build uses the committed .rtf files).
# Needs: apt-get install -y --no-install-recommends libreoffice-writer
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for source in "$here"/sources/*.html; do
    soffice --headless -env:UserInstallation=file://"$out"/profile \
        --infilter="HTML (StarWriter)" --convert-to rtf --outdir "$out" "$source" >/dev/null
    name=$(basename "$source" .html)
    cp "$out/$name.rtf" "$here/lo-$name.rtf"
done
