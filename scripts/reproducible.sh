#!/usr/bin/env bash
# Checks that the checked-out commit makes the same .deb (or Windows zip and installer) every time:
# runs make package (or make windows-zip windows-msi) in two fresh clones of different names, one
# after the other, the second under another umask and time zone, and compares what they made byte
# for byte. Takes two full builds, a minute or two (once Qt for Windows is built, for Windows).
#
#   scripts/reproducible.sh             (make reproducible)
#   scripts/reproducible.sh windows     (make reproducible-windows)
set -euo pipefail
if [ "${1:-}" = windows ]; then
    targets=(windows-zip windows-msi) made=('build-windows/gridora-*-windows-x86_64.zip' 'build-windows/gridora-*-x64.msi')
else
    targets=(package) made=('build/gridora_*.deb')
fi
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
commit=$(git -C "$repo" rev-parse HEAD)
work=$(mktemp -d /tmp/gridora-reproducible.XXXXXX)
for build in "first 022 UTC" "the-second-build 077 Pacific/Kiritimati"; do
    read -r name mask zone <<<"$build"
    git clone -q --no-checkout "$repo" "$work/$name"
    git -C "$work/$name" checkout -q --detach "$commit"
    if ! (umask "$mask" && TZ=$zone make -C "$work/$name" "${targets[@]}") >"$work/$name.log" 2>&1; then
        tail -20 "$work/$name.log" >&2
        echo "reproducible: the build in $work/$name failed" >&2
        exit 1
    fi
done
for file in "${made[@]}"; do
    first=$(echo "$work"/first/$file) second=$(echo "$work"/the-second-build/$file)
    if ! cmp -s "$first" "$second"; then
        echo "NOT reproducible: the two builds of ${commit:0:7} differ (diffoscope $first $second)" >&2
        exit 1
    fi
    echo "reproducible: both builds of ${commit:0:7} made the same $(basename "$first"), sha256 $(sha256sum <"$first" | cut -c1-16)…"
done
rm -rf "$work"
