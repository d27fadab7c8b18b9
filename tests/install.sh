#!/usr/bin/env bash
# The install and the package: `cmake --install` puts exactly these files under the prefix, the
# desktop entry and the metainfo pass their validators and name what was installed, and the .deb
# holds the same files, with a stripped program, depends on no development package and gives lintian
# nothing to say, not even a hint (hardening flags, no .comment section). The desktop entry speaks
# every language the game does; install-deps.sh, for a user without sudo, names what is missing.
# Usage: install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

expected="755 usr/games/gridora
644 usr/share/applications/gridora.desktop
644 usr/share/doc/gridora/changelog.gz
644 usr/share/doc/gridora/copyright
644 usr/share/icons/hicolor/128x128/apps/gridora.png
644 usr/share/icons/hicolor/16x16/apps/gridora.png
644 usr/share/icons/hicolor/256x256/apps/gridora.png
644 usr/share/icons/hicolor/32x32/apps/gridora.png
644 usr/share/icons/hicolor/48x48/apps/gridora.png
644 usr/share/icons/hicolor/64x64/apps/gridora.png
644 usr/share/man/man6/gridora.6.gz
644 usr/share/metainfo/io.github.gridora.Gridora.metainfo.xml"

# The end-to-end test installs from the same build tree, and cmake rewrites its manifest there.
DESTDIR="$work/tree" flock "$build/.install.lock" cmake --install "$build" --prefix /usr >/dev/null
diff <(echo "$expected") <(cd "$work/tree" && find . ! -type d -printf '%m %P\n' | LC_ALL=C sort -k2) \
    || fail "the installed files differ (< expected, > installed)"
# desktop-file-validate says warnings without failing: any output is a finding.
[ -z "$(desktop-file-validate "$work/tree/usr/share/applications/gridora.desktop" 2>&1)" ] || fail "desktop entry"
languages=$(cd "$2/translations" && ls gridora_*.ts | sed 's/^gridora_\(.*\)\.ts$/\1/')
for key in GenericName Comment; do
    [ "$(sed -n "s/^$key\[\(.*\)\]=.*/\1/p" "$work/tree/usr/share/applications/gridora.desktop" | sort)" = "$languages" ] \
        || fail "the desktop entry's $key is not in the game's languages: $languages"
done
appstreamcli validate-tree --no-net --no-color "$work/tree" || fail "metainfo"

"$2/scripts/make-deb.sh" "$build" "$work/deb" || fail "make-deb.sh"
deb=$(echo "$work"/deb/gridora_*_"$(dpkg --print-architecture)".deb)
[ "$(dpkg-deb -f "$deb" Package Section)" = "$(printf 'Package: gridora\nSection: games')" ] || fail "control fields"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-dejavu-extra libqt6multimedia6 libqt6widgets6; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
! grep -q -- '-dev' <<<"$depends" || fail "Depends names a development package: $depends"
diff <(echo "$expected" | sed 's|^755|-rwxr-xr-x root/root|; s|^644|-rw-r--r-- root/root|') \
     <(dpkg-deb -c "$deb" | awk '!/^d/ { print $1, $2, substr($6, 3) }' | LC_ALL=C sort -k2) || fail "the packaged files differ"
dpkg-deb -x "$deb" "$work/unpacked"
file "$work/unpacked/usr/games/gridora" | grep -q ', stripped' || fail "the packaged program is not stripped"
# As root, lintian first says that on stderr: that line is no finding.
lintian -I --fail-on error,warning,info "$deb" 2> >(grep -v 'running with root privileges' >&2) || fail "lintian"
# A user, no sudo, every package missing: two lines, the packages and the command for root.
mkdir "$work/bin" && ln -s "$(command -v grep)" "$work/bin/grep"
printf '#!/bin/sh\necho 1000\n' >"$work/bin/id" && printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query" && chmod +x "$work/bin/id" "$work/bin/dpkg-query"
out=$(PATH=$work/bin "$BASH" "$2/scripts/install-deps.sh" 2>&1) && fail "install-deps.sh without sudo succeeded"
[[ $? == 1 && $out == "install-deps: these Debian packages are missing: cmake g++ "*$'\n'"install-deps: install them as root with: apt-get install --no-install-recommends cmake g++ "* \
   && $(wc -l <<<"$out") == 2 ]] || fail "install-deps.sh without sudo said: $out"
echo "install and package: sound"
