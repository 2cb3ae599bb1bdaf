#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# runs every test, then runs the threaded tests again under ThreadSanitizer, then builds
# and checks the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTALLYFOX_SANITIZE="address;undefined" -DTALLYFOX_WERROR=ON
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"

cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYFOX_GUI=OFF \
      -DTALLYFOX_SANITIZE=thread -DTALLYFOX_WERROR=ON
cmake --build build/tsan -j "$jobs"
TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1} \
  ctest --test-dir build/tsan --output-on-failure -j "$jobs" -L threads

# The Debian package: built (Release), checked with lintian and the freedesktop
# validators, unpacked into a scratch root and run from there.
tests/package/package_test.sh

# The fuzz targets, where clang is installed: each runs a fixed number of inputs from
# its seed corpus (new inputs go to a scratch folder, not into the repository).
if command -v clang++ >/dev/null 2>&1; then
  # Warnings stay warnings here: clang does not know some of the GCC-only pragmas.
  CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYFOX_GUI=OFF \
        -DTALLYFOX_TESTS=OFF -DTALLYFOX_FUZZ=ON -DTALLYFOX_SANITIZE="address;undefined" -DTALLYFOX_WERROR=OFF
  cmake --build build/fuzz -j "$jobs"
  for target in listreader settings; do
    scratch=$(mktemp -d)
    log=build/fuzz/$target.log
    if ! build/fuzz/fuzz/tallyfox_fuzz_$target -runs="${FUZZ_RUNS:-2000}" -seed=1 -max_len=8192 "$scratch" \
           "fuzz/corpus/$target" >"$log" 2>&1; then
      tail -n 60 "$log"
      echo "fuzz target $target failed (full output in $log)"
      exit 1
    fi
    rm -rf "$scratch"
    echo "fuzz target $target: $(grep -o 'Done [0-9]* runs' "$log" | tail -n 1), no fault"
  done
else
  echo "clang++ not found: fuzz targets not built"
fi
