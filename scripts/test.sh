#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
configure_and_build -DNVCALC_TESTS=ON -DNVCALC_BENCH=ON
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
