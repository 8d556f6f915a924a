#!/usr/bin/env bash
# Sets up what is missing, builds, and starts momentart: the window where
# there is a display, otherwise one picture rendered headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/momentart "$@"
