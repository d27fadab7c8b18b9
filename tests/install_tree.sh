#!/usr/bin/env bash
# `cmake --install` into a DESTDIR puts exactly the expected files there, with the right modes, and
# what they name can be found: the desktop entry's program and icon, the metainfo's launchable.
# Usage: install_tree.sh BUILD_DIR [SOURCE_DIR]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/install_files.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/gridora-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
install_into "$work" "$1"
root="$work/usr"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Exactly these files: anything else, a symbolic link or a stray empty folder included, is wrong.
if ! diff -u <(gridora_installed_files) <(cd "$root" && find . ! -type d -printf '%m %P\n' | LC_ALL=C sort -k2); then
    fail "the installed files differ from the list above (- expected, + installed)"
fi
[ -z "$(find "$work" -type d -empty)" ] || fail "empty folders installed: $(find "$work" -type d -empty)"
[ "$(cd "$work" && ls)" = usr ] || fail "files installed outside the prefix"

# Each icon is the size its folder says.
for icon in "$root"/share/icons/hicolor/*/apps/gridora.png; do
    size=$(basename "$(dirname "$(dirname "$icon")")")
    [ "$(identify -format '%wx%h' "$icon")" = "$size" ] || fail "$icon is not $size"
done

# The desktop entry's Exec and Icon name what was installed.
entry="$root/share/applications/gridora.desktop"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
icon_name=$(sed -n 's/^Icon=//p' "$entry")
[ -x "$root/games/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
[ -f "$root/share/icons/hicolor/48x48/apps/$icon_name.png" ] || fail "Icon=$icon_name is not an installed icon"

# Cross-checks the metainfo with the tree: its launchable must be the installed desktop entry.
appstreamcli validate-tree --no-net --no-color "$work" || fail "appstreamcli validate-tree"

echo "install tree holds exactly the $(gridora_installed_files | wc -l) expected files"
