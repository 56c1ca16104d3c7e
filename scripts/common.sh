# Shared by the set-up scripts: root check, installing missing Debian packages, configuring.
set -euo pipefail

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT_DIR/build}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the given Debian packages that are not installed yet.
install_missing() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

BUILD_PACKAGES=(g++ cmake make qt6-base-dev libgl-dev fonts-dejavu-core)
TEST_PACKAGES=(googletest libgtest-dev libgmock-dev libbenchmark-dev libmpfr-dev pkg-config
  clang libclang-rt-14-dev desktop-file-utils appstream)

configure_and_build() {
  cmake -S "$ROOT_DIR" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release "$@"
  cmake --build "$BUILD_DIR" -j"$(nproc)"
}
