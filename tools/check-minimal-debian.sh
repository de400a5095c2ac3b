#!/usr/bin/env bash
# Proves the README's two commands on the barest Debian 12: builds a minbase root with debootstrap
# (what container images start from), copies this source tree into it, and runs tools/play.sh and
# then tools/test.sh inside it through chroot, as root, with a clean environment and no display.
# The mirror is the one apt on this machine already uses (or $DEBIAN_MIRROR).
# Needs root, debootstrap and a few GB of disk; takes long (the whole test suite runs inside).
#   Usage: tools/check-minimal-debian.sh [WORK_DIR]   (default: a new folder under /var/tmp;
#          kept afterwards, with the log of each command in it)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "check-minimal-debian.sh: must run as root" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "check-minimal-debian.sh: apt-get install debootstrap" >&2; exit 2; }
# In a mount namespace of its own: what is mounted into the root is gone when this script ends,
# however it ends, and nothing mounted there reaches the host's own /dev.
if [ -z "${TROVEN_MINBASE_NAMESPACE:-}" ]; then
    TROVEN_MINBASE_NAMESPACE=1 exec unshare --mount --propagation private "$0" "$@"
fi

# The first Debian archive named in apt's own sources, one-line or deb822 style.
configured_mirror() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk '
            /^deb[ \t]/ { for (i = 2; i <= NF; i++) if ($i !~ /^\[/ && $i !~ /\]$/) { print $i; exit } }
            /^URIs:/ { print $2; exit }
        ' "$file"
    done | grep -v -e security -e '^$' | head -1
}
mirror=${DEBIAN_MIRROR:-$(configured_mirror)}
[ -n "$mirror" ] || { echo "check-minimal-debian.sh: no Debian mirror in apt's sources; set DEBIAN_MIRROR" >&2; exit 2; }

work=${1:-$(mktemp -d /var/tmp/troven-minbase.XXXXXX)}
root=$work/root
mkdir -p "$work"
mount_in_root() {  # type-or-bind source target
    mkdir -p "$root/$3"
    if [ "$1" = bind ]; then mount --bind "$2" "$root/$3"; else mount -t "$1" "$2" "$root/$3"; fi
}

# A fresh root each run; what debootstrap made is kept as a tarball in WORK_DIR for the next run.
if [ ! -s "$work/minbase.tar" ]; then
    echo "== debootstrap --variant=minbase bookworm from $mirror"
    rm -rf "$root"
    debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        { tail -20 "$work/debootstrap.log"; exit 1; }
    tar -C "$root" -cf "$work/minbase.tar.part" . && mv "$work/minbase.tar.part" "$work/minbase.tar"
else
    echo "== a fresh root from the minbase kept in $work/minbase.tar"
    rm -rf "$root"
    mkdir -p "$root"
    tar -C "$root" -xf "$work/minbase.tar"
fi
# Name resolution as the host has it, and the host's apt settings of how to reach the mirror.
cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
for conf in /etc/apt/apt.conf.d/*; do
    grep -qi '^ *Acquire::' "$conf" 2>/dev/null && cp "$conf" "$root/etc/apt/apt.conf.d/"
done

mkdir -p "$root/src/troven"
tar -C "$top" --exclude=./.git --exclude='./build*' -cf - . | tar -C "$root/src/troven" -xf -

# The root a mount point of its own, as a container's is: tests that make a private mount
# namespace mark "/" private, which only a mount point can be.
mount --bind "$root" "$root"
mount_in_root proc proc /proc
mount_in_root sysfs sysfs /sys
mount_in_root bind /dev /dev
mount_in_root devpts devpts /dev/pts
mount_in_root tmpfs tmpfs /dev/shm
mount_in_root tmpfs tmpfs /tmp

# Runs one README command in the root as a fresh login of root would, with its output in a log;
# shows the end of the log when it fails.
run_in_root() {  # command
    local log status=0
    log=$work/$(basename "$1" .sh).log
    echo "== $1 (log: $log)"
    SECONDS=0
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -c "cd /src/troven && $1" </dev/null >"$log" 2>&1 || status=$?
    echo "$1 exited with $status after $((SECONDS / 60)) min $((SECONDS % 60)) s"
    if [ "$status" -ne 0 ]; then
        tail -40 "$log"
        exit "$status"
    fi
}
run_in_root tools/play.sh
tail -6 "$work/play.log"
run_in_root tools/test.sh
grep -E '% tests passed|tests failed|^== ' "$work/test.log"
echo "both README commands passed on a minimal Debian 12"
