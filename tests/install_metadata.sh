#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators, warnings included.
# Usage: install_metadata.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

resources="$2/resources"
failed=0

# desktop-file-validate exits 0 on warnings; any output at all is something to fix.
out=$(desktop-file-validate "$resources/gridora.desktop" 2>&1) || failed=1
if [ -n "$out" ]; then
    echo "$out"
    failed=1
fi

# Exits non-zero on errors and on warnings; infos and pedantic notes pass.
appstreamcli validate --no-net --no-color "$resources/io.github.gridora.Gridora.metainfo.xml" || failed=1

if [ $failed -ne 0 ]; then
    echo "FAIL: the desktop entry or the metainfo does not validate" >&2
    exit 1
fi
echo "desktop entry and metainfo are valid"
