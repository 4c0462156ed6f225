#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Follows the README on a fresh, minimal Debian release: makes a root with
# debootstrap from the mirror that apt already uses here, clones this
# checkout's HEAD into it, runs the README's commands there as root in their
# order, `bash scripts/bootstrap.sh run` (without a display: it must build
# the program and give its advice) and then `... test`, says how each ended,
# and removes the root again, mounts included.
# Needs root and the network; takes some 15 minutes.
#   usage: check-debian.sh 12|13 [log file]
set -euo pipefail

case "${1:-}" in
12) suite=bookworm ;;
13) suite=trixie ;;
*)
    echo "usage: $0 12|13 [log file]" >&2
    exit 2
    ;;
esac
[[ $(id -u) -eq 0 ]] || { echo "$0: needs root (debootstrap, chroot, mount)" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "$0: needs debootstrap (apt-get install debootstrap)" >&2; exit 2; }

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
log="${2:-$PWD/check-debian-$1.log}"

# The first Debian archive that apt is set to use, in either sources format.
mirror=$(
    {
        sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/*.sources 2>/dev/null || true
        sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]\+\).*/\2/p' \
            /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true
    } | tr ' ' '\n' | grep -E '^https?://' | grep -v -- '-security' | head -n 1 || true
)
[[ -n "$mirror" ]] || { echo "$0: no Debian mirror found in apt's sources" >&2; exit 2; }

root="$(mktemp -d /var/tmp/check-debian-$1.XXXXXX)"
mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" 2>/dev/null || true
    done
    # Never remove a root that still has something mounted in it.
    if ! grep -q " $root" /proc/mounts; then
        rm -rf --one-file-system "$root"
    else
        echo "left $root: still mounted" >&2
    fi
}
trap cleanup EXIT
mount_in() { # type, source, target inside the root
    mkdir -p "$root$3"
    if [[ "$1" == bind ]]; then mount --bind "$2" "$root$3"; else mount -t "$1" "$2" "$root$3"; fi
    mounted+=("$root$3")
}

start=$(date +%s)
echo "Debian $1 ($suite) from $mirror in $root; log: $log"
{
    debootstrap --variant=minbase "$suite" "$root" "$mirror"
    mount_in proc proc /proc
    mount_in sysfs sys /sys
    mount_in bind /dev /dev
    mount_in bind /dev/pts /dev/pts
    mount_in tmpfs tmpfs /dev/shm
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    git clone --quiet "$repo" "$root/work/al-tavesh"
} >"$log" 2>&1 || { echo "Debian $1: the root could not be made; see $log"; exit 1; }

inside() { # a README command in the fresh root, as root, without a display
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd /work/al-tavesh && bash scripts/bootstrap.sh $1"
}

# Without a display, `run` ends with status 1 after its advice, the program built.
run_status=0
inside run >"$log.run" 2>&1 || run_status=$?
cat "$log.run" >>"$log"
if ((run_status == 1)) && grep -q "^No display found" "$log.run" &&
    [[ -x "$root/work/al-tavesh/build/bin/Al-Tavesh" ]]; then
    echo "Debian $1: run built the program and gave its advice ($((($(date +%s) - start + 59) / 60)) min)"
else
    tail -n 15 "$log.run"
    echo "Debian $1: run FAILED with status $run_status; see $log"
    rm -f "$log.run"
    exit 1
fi
rm -f "$log.run"

status=0
inside test >>"$log" 2>&1 || status=$?
minutes=$((($(date +%s) - start + 59) / 60))
echo "--- the last lines of $log:"
tail -n 15 "$log"
if ((status == 0)); then
    echo "Debian $1: run, then the test command passed ($minutes min)"
else
    echo "Debian $1: the test command FAILED with status $status ($minutes min); see $log"
fi
exit "$status"
