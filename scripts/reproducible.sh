#!/usr/bin/env bash
# Checks that the checked-out commit makes the same .deb (or Windows zip) every time: runs make
# package (or make windows-zip) in two fresh clones of different names, one after the other, the
# second under another umask and time zone, and compares the two byte for byte. Takes two full
# builds, a minute or two (once Qt for Windows is built, for the zip).
#
#   scripts/reproducible.sh                 (make reproducible)
#   scripts/reproducible.sh windows-zip     (make reproducible-windows)
set -euo pipefail
target=${1:-package}
[ "$target" = package ] && made='build/gridora_*.deb' || made='build-windows/gridora-*-windows-x86_64.zip'
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
commit=$(git -C "$repo" rev-parse HEAD)
work=$(mktemp -d /tmp/gridora-reproducible.XXXXXX)
debs=()
for build in "first 022 UTC" "the-second-build 077 Pacific/Kiritimati"; do
    read -r name mask zone <<<"$build"
    git clone -q --no-checkout "$repo" "$work/$name"
    git -C "$work/$name" checkout -q --detach "$commit"
    if ! (umask "$mask" && TZ=$zone make -C "$work/$name" "$target") >"$work/$name.log" 2>&1; then
        tail -20 "$work/$name.log" >&2
        echo "reproducible: the build in $work/$name failed" >&2
        exit 1
    fi
    debs+=("$(echo "$work/$name"/$made)")
done
if cmp -s "${debs[@]}"; then
    sum=$(sha256sum <"${debs[0]}")
    echo "reproducible: both builds of ${commit:0:7} made the same $(basename "${debs[0]}"), sha256 ${sum:0:16}…"
    rm -rf "$work"
else
    echo "NOT reproducible: the two builds of ${commit:0:7} differ (diffoscope ${debs[*]})" >&2
    exit 1
fi
