#!/usr/bin/env bash
# Makes the Debian package of a build: BUILD_DIR/gridora_<version>_<architecture>.deb, or the same
# in OUT_DIR (make package). One commit makes one .deb, byte for byte, in any folder, at any time,
# under any umask: every time stamp in it is the changelog's date (the last commit's), every mode
# is set here, and dpkg-deb sorts the members and gives them to root.
#
#   scripts/make-deb.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
src=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "$1" && pwd)
out=$(mkdir -p "${2:-$1}" && cd "${2:-$1}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# debian/<package> is where dpkg-shlibdeps expects the files it looks at.
mkdir "$work/debian"
cp "$src/resources/control" "$work/debian/control"
root=$work/debian/gridora

# The tests install from the same build tree at the same time; cmake rewrites its manifest there.
DESTDIR="$root" flock "$build/.install.lock" cmake --install "$build" --prefix /usr >/dev/null
# What Debian's dh_strip does to a program.
strip --remove-section=.comment --remove-section=.note "$root/usr/games/gridora"

# Depends from the libraries the program links, plus the font its captions are laid out for; the
# version from the changelog.
cd "$work"
mkdir "$root/DEBIAN"
dpkg-shlibdeps -edebian/gridora/usr/games/gridora
dpkg-gencontrol -l"$build/changelog" -Pdebian/gridora
(cd "$root" && find usr -type f | LC_ALL=C sort | xargs md5sum) >"$root/DEBIAN/md5sums"

chmod -R u=rwX,go=rX "$root"
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l"$build/changelog" -STimestamp)
export SOURCE_DATE_EPOCH
find "$root" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
dpkg-deb --root-owner-group --build "$root" "$out" >/dev/null
