#!/usr/bin/env bash
# Installs the Debian packages a task needs, only those that are missing.
#   scripts/install-deps.sh build   compilers, Qt 6, GoogleTest, SimpleIni, OpenSSL, the freedesktop
#                                   tools the association tests check against and the peer tools the
#                                   list interop tests run (build and tests)
#   scripts/install-deps.sh run     build + what running on a machine without a display needs
#   scripts/install-deps.sh bench   build + Google Benchmark and the peer tools compared with
set -euo pipefail

build=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libsimpleini-dev libssl-dev liburing-dev
       fonts-dejavu-core xdg-utils libglib2.0-bin shared-mime-info desktop-file-utils rhash cksfv coreutils b3sum)
run=(xvfb xauth imagemagick openbox xdotool)
bench=(libbenchmark-dev rhash cksfv coreutils hashdeep b3sum)

wanted=("${build[@]}")
for group in "$@"; do
  case "$group" in
    build) ;;
    run) wanted+=("${run[@]}") ;;
    bench) wanted+=("${bench[@]}") ;;
    *) echo "install-deps.sh: unknown group '$group' (build, run, bench)" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps.sh: run as root or install sudo" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
