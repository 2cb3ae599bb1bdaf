#!/usr/bin/env bash
# Builds Tallyfox (Release) and starts it on the bundled demo list, which it verifies
# at once, or on the list or folder given (a folder opens the folder browser there:
# scripts/run.sh demo). Installs what is missing first (Debian 12).
#
# With a display the window opens there and the script ends when it is closed. Without
# one (no $DISPLAY) the window runs on a virtual X server: after a few seconds a
# screenshot of the screen is saved to build/screenshot.png and everything ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run

build=build/app
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLYFOX_TESTS=OFF -DTALLYFOX_BENCH=OFF \
      -DTALLYFOX_SANITIZE= -DTALLYFOX_WERROR=OFF
cmake --build "$build" --target tallyfox -j "$(nproc)"
program=$PWD/$build/src/app/tallyfox
list=$(realpath "${1:-demo/demo.sfv}")

if [ -n "${DISPLAY:-}" ]; then
  exec "$program" "$list"
fi

# No display: xvfb-run starts a virtual X server on a free display number and stops it
# when the command inside ends.
mkdir -p build
xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" bash -c '
  "$1" "$2" &
  program=$!
  sleep "$3"   # the demo list is verified within a second or two
  import -window root build/screenshot.png
  kill "$program"
  wait "$program" 2>/dev/null || true
' run "$program" "$list" "${SCREENSHOT_DELAY:-4}"
echo "Saved build/screenshot.png"
