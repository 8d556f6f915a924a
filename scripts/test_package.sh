#!/usr/bin/env bash
# Builds the Debian package from build/ (as scripts/test.sh left it),
# installs it into this machine with apt-get, checks what it installed and
# removes it again. Needs root or sudo; CI runs it after scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh desktop-file-utils appstream man-db
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi

fail() { echo "test_package: $*" >&2; exit 1; }

deb=$(scripts/package.sh | tail -n 1)
depends=$(dpkg-deb -f "$deb" Depends)
version=$(dpkg-deb -f "$deb" Version)
for needed in fonts-dejavu-core libqt6gui6 libqt6widgets6 libavcodec59 libwebpmux3 libisal2; do
    [[ $depends == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done

scratch=$(mktemp -d)
remove() {
    if dpkg-query -W -f='${Status}' momentart 2>/dev/null | grep -q "ok installed"; then
        DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq momentart >/dev/null
    fi
    rm -rf "$scratch"
}
trap remove EXIT

# Minimal images tell dpkg to leave out manual pages
# (/etc/dpkg/dpkg.cfg.d/). A user there gets no page from any package; this
# test takes ours in all the same, so that the page itself is checked.
if grep -Eqs '^path-exclude[= ]/usr/share/man' /etc/dpkg/dpkg.cfg.d/*; then
    echo "test_package: this machine's dpkg leaves out manual pages; installing momentart's anyway"
fi
(cd "$(dirname "$deb")" &&
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
        -o Dpkg::Options::=--path-include=/usr/share/man/man1/momentart.1.gz \
        "./$(basename "$deb")" >/dev/null)

[[ $(command -v momentart) == /usr/bin/momentart ]] || fail "momentart is not /usr/bin/momentart"
[[ $(momentart --version) == "momentart $version" ]] || fail "momentart --version says '$(momentart --version)'"

HOME=$scratch momentart render --no-stamp --type 17 --seed 2 --out "$scratch/installed.png" --quiet
file "$scratch/installed.png" | grep -q "PNG image data, 600 x 450," ||
    fail "the installed program wrote no 600 x 450 PNG: $(file "$scratch/installed.png")"
# It draws the same pixels as the build the tests ran (bitmaps: a PNG also
# carries the picture's name, which is the time it was made).
HOME=$scratch momentart render --no-stamp --type 17 --seed 2 --out "$scratch/installed.bmp" --quiet
HOME=$scratch build/momentart render --no-stamp --type 17 --seed 2 --out "$scratch/built.bmp" --quiet
cmp -s "$scratch/installed.bmp" "$scratch/built.bmp" ||
    fail "the installed program's picture differs from the build's"
# With the stamp, which needs the typeface the package depends on.
HOME=$scratch momentart render --type 17 --seed 2 --out "$scratch/stamped.png" --quiet
# A film, through the FFmpeg and libwebp the package depends on, whose
# recipe makes the picture again.
for film in film.mp4 film.webp; do
    HOME=$scratch momentart film --no-stamp --type 17 --seed 2 --seconds 1 --hold 0 --fps 5 \
        --out "$scratch/$film" --quiet
    HOME=$scratch momentart render --from "$scratch/$film" --out "$scratch/$film.bmp" --quiet
    cmp -s "$scratch/$film.bmp" "$scratch/built.bmp" || fail "the picture of the installed program's $film differs"
done

page=$(man -w momentart) || fail "man -w momentart finds no page"
[[ $page == /usr/share/man/man1/momentart.1.gz ]] || fail "man -w momentart gives $page"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "the manual page does not format cleanly: $warnings"

# The desktop entry, metainfo and icons carry the application's id.
desktop=$(dpkg -L momentart | grep '^/usr/share/applications/.*\.desktop$') ||
    fail "the package has no desktop entry"
id=$(basename "$desktop" .desktop)
desktop-file-validate "$desktop"
metainfo=/usr/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null || appstreamcli validate --no-net "$metainfo"
for size in 48 128 256; do
    icon=/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "no $size-pixel icon: $(file "$icon")"
done

DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq momentart >/dev/null
[[ ! -e /usr/bin/momentart ]] || fail "/usr/bin/momentart is still there after removal"
! man -w momentart >/dev/null 2>&1 || fail "the manual page is still found after removal"
echo "test_package: $(basename "$deb") installed, checked and removed"
