#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it. Without a display it runs the
# window under Xvfb just long enough to save a screenshot, and says where.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}"
configure_and_build
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$BUILD_DIR/src/ui/nvcalc"
fi

echo "No display found: starting the window under Xvfb to save a screenshot."
install_missing xvfb xauth
shot="$BUILD_DIR/nvcalc-screenshot.png"
xvfb-run -a -s "-screen 0 1024x768x24" "$BUILD_DIR/src/ui/nvcalc_screenshot" "$shot" 150000
echo "The calculator's window, with a monthly salary of 150000 typed in: $shot"
