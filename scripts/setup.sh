#!/usr/bin/env bash
# Installs the Debian packages the build needs, if any is missing, and
# configures the build in build/. Extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-dev and file: scripts/package.sh reads the program's library
# dependencies with them. libxcb1-dev: the art frame asks the X display for a
# screensaver's window. xvfb, libx11-dev, libxtst-dev and dbus-daemon: the
# art frame's tests run it on an X server of their own, read its pixels, press
# its keys, and answer its D-Bus calls on a session bus of their own.
# libllvmlibc-22-dev and libmpfr-dev: the correctly rounded maths (src/maths).
# locales: a test compiles a French locale of its own (localedef) to show the
# files do not depend on it. FFmpeg's libraries and libwebp write the films
# (found through pkg-config). libisal-dev: ISA-L compresses the PNGs' image
# data.
scripts/install-packages.sh cmake g++ make pkg-config qt6-base-dev libpng-dev zlib1g-dev libisal-dev \
    libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core dpkg-dev file libxcb1-dev xvfb libx11-dev \
    libxtst-dev dbus-daemon libllvmlibc-22-dev libmpfr-dev locales libavformat-dev libavcodec-dev \
    libswscale-dev libavutil-dev libwebp-dev

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
