#!/bin/bash
# Makes this machine able to run the shipped i686 programs: 32-bit Wine
# (wine32:i386 and the i386 Mesa drivers) executed through qemu-i386, which
# the kernel calls for every 32-bit ELF file by a binfmt_misc entry.
#
# 32-bit Wine comes from the host's own packages when they are installed or
# apt installs them. When apt refuses (the mirror's i386 indexes out of step
# with the amd64 libraries the host already has, for example) it comes from a
# private Debian root made from the release's main suite alone
# (scripts/wine32-root.sh), whose Wine commands run through
# scripts/wine32-chroot.sh; the last line then reads
# "wine32-setup: ready in the private root ROOT: ...".
#
# Idempotent: whatever is already in place is kept, so a second run is quick
# and needs no network. qemu-i386 comes from the qemu-user package of
# bookworm-backports (the release's own qemu 7.2 takes about a minute per
# 32-bit process start); it is fetched through a private apt configuration
# and only its binary is unpacked into a cache folder, nothing is installed
# system-wide. Never runs `apt-get autoremove`.
#
# Exit codes: 0 ready; 77 this machine cannot do it (the one line starting
# "wine32-setup: SKIP:" says why); 1 something failed that should have worked.
#
# Environment:
#   WHIRLMARK_QEMU_DIR   cache folder for qemu-i386 (default /opt/whirlmark-qemu)
#   WHIRLMARK_WINE_ROOT  the private root (default /opt/whirlmark-i386-root)
#   WHIRLMARK_WINE_HOST=0  skip the host's packages, use the private root

set -u

top=$(cd "$(dirname "$0")/.." && pwd)
QEMU_DIR=${WHIRLMARK_QEMU_DIR:-/opt/whirlmark-qemu}
export WHIRLMARK_WINE_ROOT=${WHIRLMARK_WINE_ROOT:-/opt/whirlmark-i386-root}
BINFMT_DIR=/proc/sys/fs/binfmt_misc
BINFMT_NAME=whirlmark-i386
QEMU_MIN_MAJOR=8
APT_LOCK_WAIT=600

I386_LIBS="libxcomposite1:i386 libxcursor1:i386 libxfixes3:i386
  libxi6:i386 libxinerama1:i386 libxrandr2:i386 libxrender1:i386
  libxxf86vm1:i386 libgl1:i386 libgl1-mesa-dri:i386 libglx-mesa0:i386"
I386_PACKAGES="wine32:i386 $I386_LIBS"
ROOT_PACKAGES="wine wine64 fonts-wine $I386_PACKAGES"

say() { echo "wine32-setup: $*"; }
# Only changing the machine needs root; a machine already set up works for anyone.
need_root() { [ "$(id -u)" = 0 ] || skip "$1 needs root, running as $(id -un)"; }
skip() { echo "wine32-setup: SKIP: $*"; exit 77; }
fail() { echo "wine32-setup: FAILED: $*" >&2; exit 1; }

# Runs a command with its output kept in a log; shows the tail when it fails.
logged() {
    local log="$WORK/cmd.log" rc=0
    "$@" >"$log" 2>&1 || rc=$?
    [ $rc = 0 ] && return 0
    tail -n 15 "$log" | sed 's/^/    /' >&2
    return $rc
}

WORK=$(mktemp -d /tmp/wine32-setup.XXXXXX) || fail "cannot make a scratch folder"
trap 'rm -rf "$WORK"' EXIT

# ---------------------------------------------------------------- preconditions

[ "$(uname -m)" = x86_64 ] || skip "host is $(uname -m), not x86_64"
command -v dpkg >/dev/null && command -v apt-get >/dev/null ||
    skip "not a Debian system (no dpkg/apt-get)"
grep -qw binfmt_misc /proc/filesystems ||
    skip "the kernel has no binfmt_misc support, so it cannot hand 32-bit programs to qemu"

# The mirror that the system's own Debian sources use.
mirror_uri() {
    local f=/etc/apt/sources.list.d/debian.sources
    if [ -r "$f" ]; then
        awk '/^URIs:/ { uri = $2 } /^Suites:/ && / bookworm( |$)/ { print uri; exit }' "$f"
        return
    fi
    [ -r /etc/apt/sources.list ] &&
        awk '$1 == "deb" && $3 == "bookworm" { print $2; exit }' /etc/apt/sources.list
}

# -------------------------------------------------------------------- qemu-i386

qemu_major() {   # prints the major version of $1, or nothing
    "$1" --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\)\..*/\1/p'
}

QEMU=$QEMU_DIR/qemu-i386
major=$( [ -x "$QEMU" ] && qemu_major "$QEMU")
if [ -n "$major" ] && [ "$major" -ge $QEMU_MIN_MAJOR ]; then
    say "qemu-i386 $major present in $QEMU_DIR"
else
    need_root "fetching qemu-i386 into $QEMU_DIR"
    URI=$(mirror_uri)
    [ -n "$URI" ] || skip "cannot find the bookworm mirror in the apt sources"
    say "fetching qemu-user from bookworm-backports ($URI)"
    A=$WORK/apt
    mkdir -p "$A/lists/partial" "$A/cache/archives/partial" "$A/parts" "$A/prefs"
    echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
         "$URI bookworm-backports main" >"$A/sources.list"
    APT_PRIVATE=(-o Dir::Etc::SourceList="$A/sources.list"
                 -o Dir::Etc::SourceParts="$A/parts"
                 -o Dir::Etc::PreferencesParts="$A/prefs"
                 -o Dir::State::Lists="$A/lists"
                 -o Dir::Cache="$A/cache"
                 -o APT::Architectures::=amd64
                 -o Debug::NoLocking=1)
    logged apt-get -q "${APT_PRIVATE[@]}" update ||
        skip "cannot reach bookworm-backports on $URI"
    (cd "$WORK" && logged apt-get -q "${APT_PRIVATE[@]}" download qemu-user) ||
        skip "download of qemu-user from bookworm-backports was refused"
    deb=$(ls "$WORK"/qemu-user_*.deb 2>/dev/null | head -n 1)
    [ -n "$deb" ] || fail "apt-get download left no qemu-user package"
    mkdir -p "$WORK/unpack" "$QEMU_DIR" || fail "cannot create $QEMU_DIR"
    dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$WORK/unpack" ./usr/bin/qemu-i386 ||
        fail "qemu-i386 is not in $(basename "$deb")"
    install -m 755 "$WORK/unpack/usr/bin/qemu-i386" "$QEMU.new" && mv -f "$QEMU.new" "$QEMU" ||
        fail "cannot install qemu-i386 into $QEMU_DIR"
    major=$(qemu_major "$QEMU")
    [ -n "$major" ] || fail "the unpacked qemu-i386 does not run (missing libraries?): $(ldd "$QEMU" | grep 'not found' | head -n 3 | tr '\n' ' ')"
    [ "$major" -ge $QEMU_MIN_MAJOR ] || skip "bookworm-backports only has qemu $major, need $QEMU_MIN_MAJOR or newer"
    say "qemu-i386 $major unpacked into $QEMU_DIR ($(basename "$deb"))"
fi

# The "-binfmt-P" suffix makes qemu take the extra argv[0] that the P flag adds.
INTERP=$QEMU_DIR/i386-binfmt-P
[ "$(readlink "$INTERP" 2>/dev/null)" = qemu-i386 ] || { need_root "linking $INTERP"; ln -sfn qemu-i386 "$INTERP"; } ||
    fail "cannot link $INTERP"

# ---------------------------------------------------------------- binfmt_misc

if [ ! -e "$BINFMT_DIR/register" ]; then
    need_root "mounting binfmt_misc"
    say "mounting binfmt_misc"
    mount -t binfmt_misc binfmt_misc "$BINFMT_DIR" 2>/dev/null ||
        skip "cannot mount binfmt_misc on $BINFMT_DIR (container without that right?)"
fi
# Flag F: the kernel opens qemu-i386 now, so the entry works inside the private root too.
ENTRY=$BINFMT_DIR/$BINFMT_NAME
MAGIC='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
MASK='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
if [ -e "$ENTRY" ] && grep -qx enabled "$ENTRY" &&
   grep -qx "interpreter $INTERP" "$ENTRY" && grep -qx 'flags: PF' "$ENTRY"; then
    say "binfmt_misc entry $BINFMT_NAME present"
else
    need_root "registering i386 ELF with binfmt_misc"
    [ -e "$ENTRY" ] && echo -1 >"$ENTRY"
    say "registering i386 ELF with binfmt_misc as $BINFMT_NAME -> $INTERP"
    echo ":$BINFMT_NAME:M::$MAGIC:$MASK:$INTERP:FP" >"$BINFMT_DIR/register" ||
        skip "the kernel refused the binfmt_misc registration"
fi

# ------------------------------------------------------------- 32-bit Wine

# /usr/lib/wine/wine is itself a 32-bit ELF program: it runs only through qemu.
host_ready() {
    [ -z "$(missing_packages)" ] && v=$(timeout 120 /usr/lib/wine/wine --version 2>&1)
}
root_ready() {
    [ -d "$WHIRLMARK_WINE_ROOT" ] &&
        [ "$(cat "$WHIRLMARK_WINE_ROOT/etc/whirlmark-root-packages" 2>/dev/null)" = \
          "$(printf '%s\n' $ROOT_PACKAGES "$(mirror_uri)")" ] &&
        v=$(timeout 120 "$top/scripts/wine32-chroot.sh" /usr/lib/wine/wine --version 2>&1)
}
missing_packages() {
    local p
    for p in $I386_PACKAGES; do
        dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -qx installed ||
            echo "$p"
    done
}
ready_in_root() {
    say "ready in the private root $WHIRLMARK_WINE_ROOT: /usr/lib/wine/wine ($v, 32-bit through qemu-i386 $major)"
    exit 0
}

# Installs the i386 packages into the host; says why and returns 1 when it cannot.
host_install() {
    local added="" wine64_version
    [ -x /usr/lib/wine/wine64 ] || { say "64-bit Wine is not installed in the host"; return 1; }
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        say "adding the i386 architecture to dpkg"
        dpkg --add-architecture i386 || fail "dpkg --add-architecture i386"
        added=1
    fi
    wine64_version=$(dpkg-query -W -f='${Version}' wine64 2>/dev/null)
    # wine32 must match the installed wine64 exactly; an old list may lack it.
    if [ -n "$added" ] ||
       ! apt-cache madison wine32:i386 2>/dev/null | grep -qF " $wine64_version "; then
        say "apt-get update"
        logged apt-get $apt_quiet update || {
            say "apt-get update failed; once more"
            logged apt-get $apt_quiet update
        } || say "the host's apt-get update failed twice; trying with the lists it has"
    fi
    say "installing $(echo $(missing_packages))"
    DEBIAN_FRONTEND=noninteractive logged apt-get $apt_quiet install -y \
        --no-install-recommends --no-remove $(missing_packages) ||
        { say "apt-get refused to install the i386 Wine packages into the host"; host_undo "$added"; return 1; }
    [ -z "$(missing_packages)" ] || fail "still missing after install: $(echo $(missing_packages))"
}
# A foreign architecture added for nothing makes every later `apt-get update` on this
# machine fetch (and perhaps fail on) the i386 indexes: take it away again.
host_undo() {
    [ -n "$1" ] && [ -z "$(dpkg-query -W -f='${Architecture}\n' 2>/dev/null | grep -x i386)" ] &&
        dpkg --remove-architecture i386 && say "removed the i386 architecture again"
}

apt_quiet="-q -o DPkg::Lock::Timeout=$APT_LOCK_WAIT"
v=""
if [ "${WHIRLMARK_WINE_HOST:-1}" != 0 ] && host_ready; then
    say "ready: /usr/lib/wine/wine ($v, 32-bit through qemu-i386 $major)"
    exit 0
fi
root_ready && ready_in_root
need_root "installing 32-bit Wine"
if [ "${WHIRLMARK_WINE_HOST:-1}" != 0 ] && host_install; then
    if host_ready; then
        say "ready: /usr/lib/wine/wine ($v, 32-bit through qemu-i386 $major)"
        exit 0
    fi
    say "the host's 32-bit Wine does not start through qemu: $v"
fi
URI=$(mirror_uri)
[ -n "$URI" ] || skip "cannot find the bookworm mirror in the apt sources"
say "using a private root instead of the host's packages"
"$top/scripts/wine32-root.sh" "$WHIRLMARK_WINE_ROOT" "$URI" $ROOT_PACKAGES
rc=$?
[ $rc = 77 ] && skip "cannot reach the mirror $URI for the private root"
[ $rc = 0 ] || fail "scripts/wine32-root.sh exit code $rc"
root_ready || fail "32-bit Wine does not start in the private root: $v"
ready_in_root
