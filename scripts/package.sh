#!/usr/bin/env bash
# Builds the Debian package momentart_<version>_amd64.deb with CPack from the
# build in build/ (configured by scripts/setup.sh when there is none yet),
# building only what the package holds. Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ ! -f build/CMakeCache.txt ]]; then scripts/setup.sh; fi
cmake --build build -j"$(nproc)" --target momentart momentart_data
rm -f build/momentart_*.deb
(cd build && cpack -G DEB >/dev/null)
ls "$PWD"/build/momentart_*_amd64.deb
