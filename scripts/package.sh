#!/usr/bin/env bash
# Builds the Debian package of the calculator (CPack, dependencies from dpkg-shlibdeps) and
# prints where it is. Install it with: sudo apt-get install ./nvcalc_*.deb
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" dpkg-dev file
BUILD_DIR="$ROOT_DIR/build-package"
configure_and_build -DNVCALC_TESTS=OFF -DNVCALC_BENCH=OFF
rm -f "$BUILD_DIR"/nvcalc_*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
deb=$(ls "$BUILD_DIR"/nvcalc_*.deb)
dpkg-deb --field "$deb" Package Version Architecture Depends
echo "Package: $deb"
