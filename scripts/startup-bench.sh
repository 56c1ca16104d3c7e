#!/usr/bin/env bash
# Start-up of the calculator against a minimal Qt Widgets window with one line edit, both built
# by this project and started the same way under Xvfb: the median time from launch until the
# window is visible, and the memory (resident set) held then, over RUNS starts (default 15).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

BUILD_DIR="$ROOT_DIR/build-bench"
if [ -z "${NVCALC_IN_XVFB:-}" ]; then
  install_missing "${BUILD_PACKAGES[@]}" libbenchmark-dev xvfb xauth xdotool
  configure_and_build -DNVCALC_BENCH=ON -DNVCALC_TESTS=OFF
  NVCALC_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

runs=${RUNS:-15}

# Prints "milliseconds kilobytes" for one start of the program.
start_once() {
  local started now pid rss
  started=$(date +%s%N)
  "$1" >>"${STARTUP_LOG:-/dev/null}" 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null || (($(date +%s%N) - started > 20000000000)); then
      echo "$1 showed no window" >&2
      exit 1
    fi
    sleep 0.002
  done
  now=$(date +%s%N)
  rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(((now - started) / 1000000)) $rss"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

measure() {
  local program=$1 samples
  start_once "$program" >/dev/null  # the first start warms the disk cache for both alike
  samples=$(for _ in $(seq "$runs"); do start_once "$program"; done)
  echo "$(cut -d' ' -f1 <<<"$samples" | median) $(cut -d' ' -f2 <<<"$samples" | median)"
}

read -r ours_ms ours_kb <<<"$(measure "$BUILD_DIR/src/ui/nvcalc")"
read -r floor_ms floor_kb <<<"$(measure "$BUILD_DIR/bench/minimal_window")"
echo "starts per program: $runs"
printf 'calculator:     %s ms to a visible window, %s kB resident\n' "$ours_ms" "$ours_kb"
printf 'minimal window: %s ms to a visible window, %s kB resident\n' "$floor_ms" "$floor_kb"
awk -v a="$ours_ms" -v b="$floor_ms" -v c="$ours_kb" -v d="$floor_kb" \
  'BEGIN {printf "ratios:         time %.2f, memory %.2f (goal: at most 1.2 each)\n", a / b, c / d}'
