#!/usr/bin/env bash
# Checks the Debian package on a fresh Debian 12: bootstraps a minimal bookworm into ROOT
# (default build/pristine-root), installs the package there with apt-get as a user would, but
# without the recommended packages, so that its declared dependencies alone must carry it, and
# then, as an ordinary user in the home folder as the desktop menu starts it:
# - no library of the two programs is missing and `turnoplaner-cli --help` runs;
# - `turnoplaner` stays up for 3 s without a display (offscreen) and creates ~/TPDaten;
# - under Xvfb (installed only after these checks) it shows its window and stays up for 3 s;
# - `apt-get remove turnoplaner` removes the programs and leaves the user's data.
# Exits non-zero on the first failure. Needs root (runs itself through sudo) and the Debian
# mirror; takes a few minutes, most of it downloading.
#
# Usage: bash scripts/check-package.sh [ROOT] [PACKAGE.deb]
# ROOT is replaced on each run, so it must be empty or a root this script made before.
# DEBIAN_MIRROR and DEBIAN_SECURITY_MIRROR replace deb.debian.org.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
    exec sudo DEBIAN_MIRROR="${DEBIAN_MIRROR:-}" DEBIAN_SECURITY_MIRROR="${DEBIAN_SECURITY_MIRROR:-}" \
        bash "$0" "$@"
fi

project="$(cd "$(dirname "$0")/.." && pwd)"
root="$(realpath -m "${1:-$project/build/pristine-root}")"
package="${2:-}"
if [ -z "$package" ]; then
    package="$(ls -t "$project"/build/turnoplaner_*.deb 2>/dev/null | head -n 1 || true)"
fi
if [ -z "$package" ] || [ ! -f "$package" ]; then
    echo "No package: build it with (cd build && cpack -G DEB) or give its path." >&2
    exit 1
fi
mirror="${DEBIAN_MIRROR:-http://deb.debian.org/debian}"
security_mirror="${DEBIAN_SECURITY_MIRROR:-http://deb.debian.org/debian-security}"
marker=.turnoplaner-package-check

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

mounts=()
cleanup() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" || umount -l "${mounts[i]}" || true
    done
}
trap cleanup EXIT

export DEBIAN_FRONTEND=noninteractive
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap

if [ -e "$root" ]; then
    [ "$root" != / ] || fail "refusing to replace /"
    if [ -n "$(ls -A "$root")" ] && [ ! -e "$root/$marker" ]; then
        fail "$root is not empty and was not made by this script"
    fi
    grep -q " $root/" /proc/mounts && fail "something is still mounted in $root"
    rm -rf "$root"
fi

echo "== Bootstrapping Debian 12 (minbase) into $root"
mkdir -p "$root"
touch "$root/$marker"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
    fail "debootstrap, see $root.debootstrap.log"
touch "$root/$marker"
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security_mirror bookworm-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$package" "$root/tmp/"

mount -t proc proc "$root/proc" && mounts+=("$root/proc")
mount --bind /dev "$root/dev" && mounts+=("$root/dev")
mount --bind /dev/pts "$root/dev/pts" && mounts+=("$root/dev/pts")

# Run inside the new root; the user part runs as "nutzer" in the home folder.
cat >"$root/tmp/check-inside.sh" <<'INSIDE'
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
package="/tmp/$1"
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

echo "== Installing $(basename "$package")"
apt-get update -qq
apt-get install -y --no-install-recommends "$package" >/tmp/install.log 2>&1 ||
    { cat /tmp/install.log; fail "apt-get install"; }
grep -E 'newly installed|^Need to get|^After this operation' /tmp/install.log

missing="$(ldd /usr/bin/turnoplaner /usr/bin/turnoplaner-cli /usr/lib/turnoplaner/*.so |
    grep 'not found' || true)"
[ -z "$missing" ] || fail "missing libraries: $missing"
turnoplaner-cli --help | grep -q '^Usage:' || fail "turnoplaner-cli --help"
echo "ok: libraries complete, turnoplaner-cli --help runs"

useradd -m -s /bin/bash nutzer
as_user() { runuser -u nutzer -- env -i HOME=/home/nutzer PATH=/usr/bin:/bin LANG=C.UTF-8 \
    bash -c "cd ~ && $1"; }

# timeout's status 124: the program was still running after 3 s.
status=0
as_user 'QT_QPA_PLATFORM=offscreen timeout 3 turnoplaner' || status=$?
[ "$status" -eq 124 ] || fail "turnoplaner (offscreen) ended with status $status within 3 s"
[ -d /home/nutzer/TPDaten ] || fail "no TPDaten in the home folder"
echo "ok: turnoplaner runs offscreen and creates ~/TPDaten"

echo "== Installing Xvfb for the window check"
apt-get install -y -qq --no-install-recommends xvfb xauth x11-utils >/dev/null
cat >/tmp/show-window.sh <<'SHOW'
turnoplaner & pid=$!
shown=
for _ in $(seq 40); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; echo "ended with status $?" >&2; exit 1; }
    id="$(xwininfo -root -tree | awk '/Turnoplaner.*\("turnoplaner" "turnoplaner"\)/ { print $1; exit }')"
    if [ -n "$id" ] && xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then
        shown=yes
        break
    fi
    sleep 0.5
done
[ -n "$shown" ] || { echo "no main window within 20 s" >&2; kill "$pid"; exit 1; }
xwininfo -id "$id" | sed -n 's/^xwininfo: Window id: //p'
sleep 3
kill -0 "$pid" 2>/dev/null || { wait "$pid"; echo "ended with status $? after showing its window" >&2; exit 1; }
kill "$pid"
wait "$pid" || true
SHOW
as_user 'xvfb-run -a -s "-screen 0 1600x1000x24" bash /tmp/show-window.sh' ||
    fail "turnoplaner (xcb) did not show its window or did not stay up"
echo "ok: turnoplaner shows its window under X and stays up"

apt-get remove -y -qq turnoplaner >/dev/null || fail "apt-get remove turnoplaner"
[ ! -e /usr/bin/turnoplaner ] && [ ! -e /usr/bin/turnoplaner-cli ] ||
    fail "programs left after apt-get remove"
[ -d /home/nutzer/TPDaten ] || fail "apt-get remove took the user's data"
echo "ok: apt-get remove turnoplaner removes the programs and keeps ~/TPDaten"
INSIDE

chroot "$root" /bin/bash /tmp/check-inside.sh "$(basename "$package")"
echo "Package check passed ($root)."
