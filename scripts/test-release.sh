#!/usr/bin/env bash
# `make test` on a fresh Debian of the given release, as a new user gets it: a minimal debootstrap
# chroot with git and make added, the checked-out commit cloned into it, and the README's command;
# everything else comes through `make test`. Prints the test summary (the whole output, and each
# test's, goes to build/test-RELEASE.log) and exits with its status. Needs root, for debootstrap
# and chroot; stops every process left in the chroot, unmounts what it mounted and removes it.
# Usage: scripts/test-release.sh RELEASE      (bookworm for Debian 12, trixie for Debian 13)
set -euo pipefail
release=${1:?usage: scripts/test-release.sh RELEASE (bookworm, trixie)}
repo=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "test-release: debootstrap and chroot need root: sudo $0 $release" >&2; exit 1; }
"$repo/scripts/install-deps.sh" --test
commit=$(git -C "$repo" rev-parse HEAD)
mkdir -p "$repo/build"
log=$repo/build/test-$release.log
root=$(mktemp -d "/var/tmp/gridora-$release.XXXXXX")

ours() { for p in /proc/[0-9]*; do [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && echo "${p#/proc/}"; done; :; }
mounted() { findmnt -rn -o TARGET | grep -F "$root" | sort -r || true; }
clean() {
    for signal in TERM KILL; do [ -z "$(ours)" ] || { kill -$signal $(ours) 2>/dev/null || true; sleep 1; }; done
    for target in $(mounted); do umount "$target" 2>/dev/null || umount --lazy "$target"; done
    if [ -n "$(mounted)" ]; then echo "test-release: still mounted, $root kept: $(mounted)" >&2; exit 1; fi
    rm -rf --one-file-system "$root"
}
trap clean EXIT
inside() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

start=$(date +%s)
echo "test-release: Debian $release in $root, commit ${commit:0:12}; log in $log"
debootstrap --variant=minbase "$release" "$root" "${MIRROR:-http://deb.debian.org/debian}" >"$log" 2>&1 \
    || { tail -n 20 "$log"; exit 1; }
# Its root a mount point of its own, so that the end-to-end run can make a private mount namespace
# there, as on a machine, and play the installed program too.
mount --bind "$root" "$root"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
cp /etc/resolv.conf "$root/etc/"
inside sh -c 'apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends git make ca-certificates' \
    >>"$log" 2>&1 || { tail -n 20 "$log"; exit 1; }
git clone -q --no-hardlinks "$repo" "$root/root/gridora" && git -C "$root/root/gridora" checkout -q "$commit"

status=0
inside sh -c 'cd /root/gridora && make test' >>"$log" 2>&1 || status=$?
# Every test's own output, the passed ones' too, for the log.
cat "$root/root/gridora/build/Testing/Temporary/LastTest.log" >>"$log" 2>/dev/null || true
grep -E '^ *[0-9]+/[0-9]+ Test +#|tests passed|^e2e game:|^FAIL' "$log" || tail -n 40 "$log"
echo "test-release: make test on Debian $release (debian_version $(cat "$root/etc/debian_version")):" \
    "exit status $status, $(($(date +%s) - start)) s"
exit $status
