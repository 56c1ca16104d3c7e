#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. the whole suite on the default build (native x87 extended precision);
#   2. the whole suite again with the GNU MPFR backend forced;
#   3. both backends over the same generated cases, which must agree to the bit;
#   4. the core's tests built with -mlong-double-64, where only the MPFR backend can work;
#   5. the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer;
#   6. each fuzz target for FUZZ_SECONDS (default 60) under both sanitizers, from the seed corpus;
#   7. the Debian package installed on a fresh debootstrapped Debian 12, where it must start.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

stage() { printf '\n=== %s\n' "$*"; }

stage "Default build"
configure_and_build -DNVCALC_TESTS=ON -DNVCALC_BENCH=ON
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$jobs"

stage "GNU MPFR backend"
MPFR_DIR="$BUILD_DIR-mpfr"
cmake -S "$ROOT_DIR" -B "$MPFR_DIR" -DCMAKE_BUILD_TYPE=Release -DNVCALC_EXTENDED_MPFR=ON \
  -DNVCALC_BENCH=OFF
cmake --build "$MPFR_DIR" -j"$jobs"
ctest --test-dir "$MPFR_DIR" --output-on-failure -j"$jobs"

stage "Both backends over the same generated cases"
"$BUILD_DIR/tests/differential/figures_dump" >"$BUILD_DIR/figures-native.txt"
"$MPFR_DIR/tests/differential/figures_dump" >"$MPFR_DIR/figures-mpfr.txt"
if ! cmp -s "$BUILD_DIR/figures-native.txt" "$MPFR_DIR/figures-mpfr.txt"; then
  echo "The backends disagree:"
  diff "$BUILD_DIR/figures-native.txt" "$MPFR_DIR/figures-mpfr.txt" | head -n 20
  exit 1
fi
echo "identical: $(wc -l <"$BUILD_DIR/figures-native.txt") cases"

stage "Core tests with a 64-bit long double"
LD64_DIR="$BUILD_DIR-ld64"
cmake -S "$ROOT_DIR" -B "$LD64_DIR" -DCMAKE_BUILD_TYPE=Release -DNVCALC_GUI=OFF \
  -DNVCALC_BENCH=OFF -DCMAKE_CXX_FLAGS=-mlong-double-64
cmake --build "$LD64_DIR" -j"$jobs"
ctest --test-dir "$LD64_DIR" --output-on-failure -j"$jobs"
"$LD64_DIR/tests/differential/figures_dump" | cmp -s - "$BUILD_DIR/figures-native.txt" ||
  { echo "the -mlong-double-64 build computes other figures"; exit 1; }

stage "Whole suite under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_DIR="$BUILD_DIR-asan"
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$ROOT_DIR" -B "$ASAN_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNVCALC_HARDEN=OFF \
  -DNVCALC_BENCH=OFF "-DCMAKE_CXX_FLAGS=$sanitize"
cmake --build "$ASAN_DIR" -j"$jobs"
ctest --test-dir "$ASAN_DIR" --output-on-failure -j"$jobs"

stage "Fuzzing under AddressSanitizer and UndefinedBehaviorSanitizer"
FUZZ_DIR="$BUILD_DIR-fuzz"
CXX=clang++ cmake -S "$ROOT_DIR" -B "$FUZZ_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNVCALC_FUZZ=ON -DNVCALC_GUI=OFF -DNVCALC_TESTS=OFF -DNVCALC_BENCH=OFF -DNVCALC_HARDEN=OFF \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link $sanitize"
cmake --build "$FUZZ_DIR" -j"$jobs"
for target in read typing format; do
  corpus="$FUZZ_DIR/corpus/$target"
  mkdir -p "$corpus"
  echo "fuzzing $target for ${FUZZ_SECONDS:-60} s"
  log="$FUZZ_DIR/$target.log"
  status=0
  "$FUZZ_DIR/fuzz/${target}_fuzzer" -max_total_time="${FUZZ_SECONDS:-60}" \
    -artifact_prefix="$FUZZ_DIR/$target-" "$corpus" "$ROOT_DIR/fuzz/corpus/$target" \
    >"$log" 2>&1 || status=$?
  grep -E "^Done|ERROR|SUMMARY|check failed|runtime error" "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "the $target fuzzer found a fault (exit $status); the input is in $FUZZ_DIR"
    exit 1
  fi
done
echo "fuzzing found nothing"

stage "The Debian package on a fresh Debian 12"
bash "$ROOT_DIR/scripts/package-check.sh"
