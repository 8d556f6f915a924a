#!/usr/bin/env bash
# Makes the pictures the README opens with, by the program itself: a contact
# sheet of sixteen pictures of as many image types, and a short film of one
# picture growing (animated WebP, about 120 KB). Builds the program first if
# there is none in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
program=build/momentart
if [[ ! -x $program ]]; then
    scripts/setup.sh
    cmake --build build -j"$(nproc)" --target momentart
fi
seed=2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for type in 9 14 17 19 21 30 32 36 38 41 43 50 53 59 61 65; do
    "$program" render --seed "$seed" --type "$type" --no-stamp --out "$work/type$type.png" --quiet
done
"$program" sheet "$work" --out docs/media/sheet.png --force --quiet
# Mode 13 (columns, each from the bottom up) in WebP stays small: each frame
# changes a few columns only.
"$program" film --seed "$seed" --type 65 --seconds 3 --hold 1 --fps 15 --quality 70 \
    --out docs/media/growing.webp --force --quiet
ls -l docs/media
