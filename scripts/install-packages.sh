#!/usr/bin/env bash
# Installs those of the Debian packages named as arguments that are missing
# (through sudo when not root). apt's own output goes to build/apt.log and is
# shown only when the install fails.
set -euo pipefail
cd "$(dirname "$0")/.."
missing=()
for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    mkdir -p build
    log=build/apt.log
    echo "installing ${#missing[@]} Debian packages the build needs (a few minutes on a fresh machine; apt's output: $log)" >&2
    sudo=""
    if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
    # Another install under way (a second build, the system's own updates)
    # is waited for rather than failed on.
    if ! { $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq &&
           DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq "${missing[@]}"; } \
        >"$log" 2>&1; then
        cat "$log" >&2
        echo "installing ${missing[*]} failed (apt's output above, kept in $log)" >&2
        exit 1
    fi
fi
