#!/usr/bin/env bash
# Makes BUILD/gridora-<version>-windows-x86_64.zip: gridora.exe, README.txt on how to play, and the
# licences (the game's, and the font's that travels inside it). The same commit makes the same
# bytes: every file dated by the last commit, stored in one order, with no extra fields.
# Usage: scripts/windows-zip.sh BUILD      (make windows-zip)
set -euo pipefail
build=$(cd "$1" && pwd)
repo=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^project(gridora VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
date=$(git -C "$repo" log -1 --format=%ct 2>/dev/null || stat -c %Y "$repo/CMakeLists.txt")
name=gridora-$version-windows-x86_64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp "$build/gridora.exe" "$stage/$name/"
# Text files with Windows' line ends, for any editor there.
sed 's/$/\r/' "$repo/resources/README-windows.txt" >"$stage/$name/README.txt"
sed 's/$/\r/' "$repo/LICENSE" >"$stage/$name/LICENSE.txt"
sed 's/$/\r/' /usr/share/doc/fonts-dejavu-core/copyright >"$stage/$name/DejaVu-fonts-LICENSE.txt"
chmod 644 "$stage/$name"/*
chmod 755 "$stage/$name"
touch -d "@$date" "$stage/$name" "$stage/$name"/*
rm -f "$build/$name.zip"
(cd "$stage" && TZ=UTC zip -q -X -D "$build/$name.zip" "$name"/DejaVu-fonts-LICENSE.txt "$name"/LICENSE.txt \
    "$name"/README.txt "$name"/gridora.exe)
echo "windows-zip: $build/$name.zip, sha256 $(sha256sum "$build/$name.zip" | cut -c1-16)…"
