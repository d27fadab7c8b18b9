#!/usr/bin/env bash
# `make package` makes a .deb named gridora, in section games, holding exactly the installed files
# under /usr with a stripped program, depending on the runtime libraries and the caption font but
# on no development package, and with nothing for lintian to say.
# Usage: install_package.sh BUILD_DIR [SOURCE_DIR]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/install_files.sh"
build=$(cd "$1" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/gridora-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The packaging run installs through the build tree as well; see install_into.
flock "$build/.install.lock" cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, got: ${debs[*]}"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "gridora_$(dpkg-deb -f "$deb" Version)_$arch.deb" ] || fail "file name $(basename "$deb")"

dpkg-deb -I "$deb"
[ "$(dpkg-deb -f "$deb" Package)" = gridora ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || fail "architecture"

# Depends: one package a line, without versions.
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/(.*)//; s/ //g' | sort)
for needed in fonts-dejavu-extra libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6; do
    grep -qx "$needed" <<<"$depends" || fail "Depends lacks $needed"
done
if grep -- '-dev$' <<<"$depends"; then
    fail "Depends names development packages"
fi

# Exactly the installed files, under /usr, owned by root.
if ! diff -u <(gridora_installed_files | sed 's|^755|-rwxr-xr-x root/root|; s|^644|-rw-r--r-- root/root|; s| | ./usr/|2') \
             <(dpkg-deb -c "$deb" | grep -v '^d' | awk '{ print $1, $2, $6 }' | LC_ALL=C sort -k3); then
    fail "the package's files differ (- expected, + packaged)"
fi

dpkg-deb -x "$deb" "$work/tree"
file "$work/tree/usr/games/gridora" | grep -q ', stripped' || fail "the packaged program is not stripped"

# As clean as Debian's own games: no error, no warning. As root, lintian says so on stderr first.
lintian --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2) || fail "lintian"

echo "package $(basename "$deb") is sound"
