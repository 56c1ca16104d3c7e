#!/usr/bin/env bash
# Builds the Debian package, then installs it with apt-get on a fresh minimal Debian 12 (made
# with debootstrap, so none of the build dependencies are there) and starts the calculator
# under Xvfb there, waiting until its window is visible. Needs root (chroot).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing debootstrap
bash "$ROOT_DIR/scripts/package.sh"
deb=$(ls "$ROOT_DIR"/build-package/nvcalc_*.deb)
fresh="$ROOT_DIR/build-package/fresh-debian"

# Downloads get one more try after a pause: a passing network fault is no finding.
again() { "$@" || { sleep 10; "$@"; }; }

if [ ! -x "$fresh/usr/bin/apt-get" ]; then
  make_fresh() { as_root rm -rf "$fresh" && as_root debootstrap --variant=minbase bookworm "$fresh"; }
  again make_fresh >"$fresh.log" 2>&1 || { tail -n 20 "$fresh.log"; exit 1; }
fi
as_root cp /etc/resolv.conf "$fresh/etc/resolv.conf"
as_root cp "$deb" "$fresh/tmp/nvcalc.deb"
as_root mount -t proc proc "$fresh/proc"
trap 'as_root umount "$fresh/proc"' EXIT

# The fresh system gets a clean environment: nothing of this shell's (QT_QPA_PLATFORM above all).
in_fresh() {
  as_root chroot "$fresh" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    DEBIAN_FRONTEND=noninteractive "$@"
}
again in_fresh apt-get update -qq
again in_fresh apt-get install -y -qq /tmp/nvcalc.deb xvfb xauth xdotool >/dev/null
in_fresh dpkg-query -W nvcalc
# Allow a slow first start on the fresh system.
in_fresh xvfb-run -a -e /tmp/xvfb-errors.log sh -c '
  started=$(date +%s)
  nvcalc >/tmp/nvcalc.log 2>&1 & pid=$!
  while [ $(($(date +%s) - started)) -lt 120 ]; do
    if xdotool search --onlyvisible --name "NV - Income Tax Calculator by Nelvar" >/dev/null 2>&1; then
      echo "the installed calculator shows its window after $(($(date +%s) - started)) s"
      kill $pid
      exit 0
    fi
    kill -0 $pid 2>/dev/null || { echo "the installed calculator exited"; cat /tmp/nvcalc.log; exit 1; }
    sleep 0.05
  done
  echo "no window after 120 s"; cat /tmp/nvcalc.log /tmp/xvfb-errors.log; kill $pid; exit 1'
