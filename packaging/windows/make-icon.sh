#!/usr/bin/env bash
# Makes pairforge.ico (16 to 256 px) from the program's SVG icon. Run by hand
# after the SVG changes; needs rsvg-convert (librsvg2-bin) and icotool (icoutils).
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for s in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$s" -h "$s" ../pairforge.svg -o "$tmp/$s.png"
done
icotool -c -o pairforge.ico "$tmp"/{16,24,32,48,64,128}.png -r "$tmp/256.png"
