#!/usr/bin/env bash
# Makes BUILD/gridora-<version>-x64.msi, Gridora's Windows Installer package, with wixl from
# resources/gridora.wxs: the same gridora.exe as the zip, with the licences. The same commit makes
# the same bytes: the files and the package are dated by the last commit, the product code is
# derived from the version and the package code from what the package holds.
# Usage: scripts/windows-msi.sh BUILD [VERSION]      (make windows-msi)
# VERSION, when given, stands in for the project's (tests/windows-install.sh makes an older package).
set -euo pipefail
build=$(cd "$1" && pwd)
repo=$(cd "$(dirname "$0")/.." && pwd)
version=${2:-$(sed -n 's/^project(gridora VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")}
date=$(git -C "$repo" log -1 --format=%ct 2>/dev/null || stat -c %Y "$repo/CMakeLists.txt")
wxs=$repo/resources/gridora.wxs
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/gridora.exe" "$repo/resources/gridora.ico" "$stage/"
sed 's/$/\r/' "$repo/LICENSE" >"$stage/LICENSE.txt"
sed 's/$/\r/' /usr/share/doc/fonts-dejavu-core/copyright >"$stage/DejaVu-fonts-LICENSE.txt"
touch -d "@$date" "$stage"/* # the cabinet keeps the files' dates

# Windows Installer tells packages apart by these codes: one product code for each version (so a
# newer version is a major upgrade of the older), one package code for each content.
upgrade=$(sed -n 's/.*UpgradeCode="\([^"]*\)".*/\1/p' "$wxs")
code() { uuidgen --sha1 --namespace "$upgrade" --name "$1" | tr a-f A-F; }
product=$(code "product $version")
package=$(code "package $version $(cat "$wxs" "$stage"/* | sha256sum)")

msi=$build/gridora-$version-x64.msi
rm -f "$msi"
# wixl stamps the package with the time it runs, here the commit's on a stopped clock (on a running
# one, a slower build would be stamped a second later), and a random package code, which msibuild
# then replaces. wixl makes every shortcut advertised, pointing at the feature: the Start menu's
# points at gridora.exe itself, a plain shortcut, the same on Windows as under Wine.
(cd "$stage" && TZ=UTC FAKETIME_FMT=%s faketime -f "$date" \
    wixl -a x64 -D Version="$version" -D ProductCode="$product" -o "$msi" "$wxs")
msibuild "$msi" -q "UPDATE \`Shortcut\` SET \`Target\` = '[#gridora.exe]'" \
    -s "Gridora $version, noughts and crosses" "The Gridora developers" "x64;1033" "{$package}"
echo "windows-msi: $msi, sha256 $(sha256sum "$msi" | cut -c1-16)…"
