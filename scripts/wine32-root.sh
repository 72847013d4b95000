#!/bin/bash
# Makes the private Wine root that the i686 stage falls back to when 32-bit Wine
# cannot be installed into this machine itself: a Debian root (amd64 with i386 as a
# foreign architecture) holding 64- and 32-bit Wine and the i386 X and Mesa
# libraries, all from the release's main suite alone, so its versions agree by
# construction whatever the host has installed or its apt sources hold.
#
#   wine32-root.sh ROOT MIRROR-URI PACKAGE...
#
# The root is built beside ROOT and renamed to ROOT only when complete, so a run that
# is cut off leaves nothing that looks ready (the next run removes what it left); a
# root made for another package list or mirror is replaced. Its 32-bit programs run through the binfmt_misc entry of wine32-setup.sh,
# which must be registered first (with flag F, so it works inside the root).
# Exit codes: 0 ready; 77 the mirror cannot be reached (one line "SKIP: ..." says
# so); 1 something else failed.

set -u
[ $# -ge 3 ] || { echo "usage: wine32-root.sh ROOT MIRROR-URI PACKAGE..." >&2; exit 1; }
root=$1 uri=$2
shift 2
stamp=etc/whirlmark-root-packages
say() { echo "wine32-root: $*"; }
fail() { echo "wine32-root: FAILED: $*" >&2; exit 1; }

wanted=$(printf '%s\n' "$@" "$uri")
ready() { [ -d "$root" ] && [ "$(cat "$root/$stamp" 2>/dev/null)" = "$wanted" ]; }
if ready; then
    say "private root present in $root"
    exit 0
fi

command -v mmdebstrap >/dev/null || {
    say "installing mmdebstrap"
    out=$(DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600 install -y \
        --no-install-recommends mmdebstrap 2>&1) ||
        { tail -n 15 <<<"$out" | sed 's/^/    /' >&2; fail "cannot install the Debian package mmdebstrap"; }
}

parent=$(dirname "$root")
mkdir -p "$parent" || fail "cannot create $parent"
# One build at a time; a run that waited here finds the root made by the other.
exec 9>"$root.lock" || fail "cannot open $root.lock"
flock -n 9 || { say "waiting for another run that builds $root"; flock 9; }
ready && { say "private root present in $root"; exit 0; }
tmp=$(mktemp -d "$root.new.XXXXXX") || fail "cannot make a folder beside $root"
log=$tmp.log
trap 'rm -rf "$tmp" "$log"' EXIT
# Folders of earlier runs that were cut off.
for old in "$root".new.*; do
    [ "$old" = "$tmp" ] || [ "$old" = "$log" ] || rm -rf "$old"
done

say "building a private root from $uri bookworm main (minutes, about 1.8 GB)"
# In a mount namespace of its own: what mmdebstrap mounts in the new root (/proc,
# /sys, devices) goes with it even when it is killed, so removing a cut-off build
# can never reach into the host's /dev.
if ! unshare --mount --propagation private mmdebstrap --variant=apt \
        --architectures=amd64,i386 --include="$(IFS=,; echo "$*")" --aptopt='Acquire::Retries "2"' \
        --dpkgopt='path-exclude=/usr/share/doc/*' --dpkgopt='path-exclude=/usr/share/man/*' \
        --dpkgopt='path-exclude=/usr/share/locale/*' \
        bookworm "$tmp" \
        "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $uri bookworm main" \
        >"$log" 2>&1; then
    tail -n 15 "$log" | sed 's/^/    /' >&2
    if grep -qE 'Temporary failure resolving|Could not resolve|Could not connect|Network is unreachable' "$log"; then
        echo "wine32-root: SKIP: cannot reach the mirror $uri"
        exit 77
    fi
    fail "mmdebstrap could not build the root"
fi
printf '%s\n' "$wanted" >"$tmp/$stamp" || fail "cannot write $tmp/$stamp"
rm -rf "$root" && mv "$tmp" "$root" || fail "cannot move the new root to $root"
say "private root ready in $root ($(du -sh "$root" | cut -f1))"
