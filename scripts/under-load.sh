#!/usr/bin/env bash
# Runs a command, such as the tests, beside a CPU hog: one busy loop for each core, for as long as
# the command runs, as on a CI machine shared with a busy neighbour. Prints the command's time and
# exits with its status. A check for people to run, too slow for CI.
# Usage: scripts/under-load.sh COMMAND...
#   scripts/under-load.sh make test
#   scripts/under-load.sh scripts/test-release.sh trixie
#   scripts/under-load.sh make test-windows
set -uo pipefail
[ $# -gt 0 ] || { echo "usage: $0 COMMAND..." >&2; exit 2; }
hogs=()
for _ in $(seq "$(nproc)"); do
    while :; do :; done &
    hogs+=($!)
done
trap 'kill "${hogs[@]}"' EXIT
start=$(date +%s)
"$@"
status=$?
echo "under-load: $* beside $(nproc) busy loops: exit status $status, $(($(date +%s) - start)) s"
exit $status
