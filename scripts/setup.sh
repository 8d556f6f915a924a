#!/usr/bin/env bash
# Installs the Debian packages the build needs, if any is missing, and
# configures the build in build/. Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-dev and file: scripts/package.sh reads the program's library
# dependencies with them.
# libisal-dev: ISA-L compresses the PNGs' image data.
scripts/install-packages.sh cmake g++ make qt6-base-dev libpng-dev zlib1g-dev libisal-dev \
    libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core dpkg-dev file

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
