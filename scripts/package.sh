#!/usr/bin/env bash
# Builds the Debian package: a Release build installed under /usr, packed by CPack into
# build/package/tallyfox_<version>_<arch>.deb (its dependencies found by dpkg-shlibdeps).
# Installs what is missing first (Debian 12). Prints the package's path at the end.
set -euo pipefail
# Warnings are not errors here: GCC 12 at -O3 warns falsely inside libstdc++ (the
# Debug and sanitizer builds keep -Werror).
cd "$(dirname "$0")/.."
scripts/install-deps.sh package >/dev/null

build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DTALLYFOX_TESTS=OFF -DTALLYFOX_BENCH=OFF -DTALLYFOX_FUZZ=OFF -DTALLYFOX_SANITIZE= \
      -DTALLYFOX_WERROR=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/tallyfox_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/tallyfox_*.deb)
echo "$package"
