#!/usr/bin/env bash
# Installs the Debian package into a clean Debian 12 system and uses it there:
# apt install of the .deb (its dependencies from Debian's mirror), the three
# programs' --version, the installed demo against the installed simulator,
# the file type and the desktop entry as the system now knows them, then
# apt remove and a check that nothing of the package is left.
# The base system is made once with debootstrap and copied for every run, so
# each install starts clean. Needs root and Debian's mirror; takes minutes, so
# it is run by hand, not in CI.
# Usage: bash scripts/chroot-install.sh [PACKAGE.deb] [BASE-FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
deb=${1:-$(ls build/default/kestrova_*_amd64.deb 2>/dev/null | tail -n 1)}
base=${2:-/var/tmp/kestrova-bookworm}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
[ -f "$deb" ] || { echo "chroot-install: no package; build it with cpack in build/default" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "chroot-install: run as root" >&2; exit 2; }
command -v debootstrap >/dev/null ||
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null

if [ ! -x "$base/usr/bin/apt-get" ]; then
  echo "== debootstrap bookworm into $base =="
  debootstrap --variant=minbase bookworm "$base" "$mirror"
fi

root=$(mktemp -d /var/tmp/kestrova-chroot.XXXXXX)
mounted=""
cleanup() {
  [ -n "$mounted" ] && umount "$root/proc" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT
cp -a "$base/." "$root/"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc" 2>/dev/null && mounted=yes
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

echo "== apt install ./$(basename "$deb") =="
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "/tmp/$(basename "$deb")"

echo "== the installed programs =="
in_root kestrova-cli --version
in_root kestrova-sim --version
in_root kestrova --version
in_root sh -c 'cd /tmp && : > site.rnk && export XDG_DATA_DIRS=/usr/share
  if command -v xdg-mime >/dev/null; then echo "site.rnk: $(xdg-mime query filetype site.rnk)"; fi
  grep -H "x-kestrova-project" /usr/share/mime/globs2 /usr/share/applications/mimeinfo.cache || true'

echo "== the installed demo =="
in_root sh -c '/usr/share/kestrova/demo/run-demo /tmp/demo >/tmp/demo.out 2>/tmp/demo.err'
in_root awk '/^Keyword: rank checker/, /^$/' /tmp/demo.out
in_root tail -n 1 /tmp/demo.out

echo "== apt remove kestrova =="
in_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q kestrova
left=$(in_root sh -c 'ls /usr/bin/kestrova* /usr/share/kestrova /usr/share/mime/packages/kestrova.xml \
  /usr/share/applications/kestrova.desktop 2>/dev/null' || true)
if [ -n "$left" ]; then
  echo "chroot-install: left behind after removal:" >&2
  echo "$left" >&2
  exit 1
fi
if in_root grep -qs "x-kestrova-project" /usr/share/mime/globs2; then
  echo "chroot-install: the MIME database still knows the file type" >&2
  exit 1
fi
echo "chroot-install: installed, ran and removed cleanly"
