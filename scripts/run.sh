#!/usr/bin/env bash
# Sets up what is missing, builds the program (not its tests), and starts
# momentart: the window where there is a display, otherwise one picture
# rendered headless. Arguments go to momentart.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ ! -x build/momentart ]]; then
    echo "building momentart, a few minutes the first time" >&2
fi
scripts/setup.sh
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! cmake --build build --target momentart -j"$(nproc)" >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
build/momentart "$@"
