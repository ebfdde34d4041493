#!/usr/bin/env bash
# Builds the Debian package: installs what is missing, makes a Release build for
# the /usr prefix in build-package/ and runs CPack there. Prints the package's
# path; install it with: sudo apt-get install ./corvane_VERSION_ARCH.deb
# Extra arguments go to CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="${CORVANE_PACKAGE_BUILD_DIR:-$root/build-package}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_BENCH=OFF "$@"
cmake --build "$build" --parallel "$(nproc 2>/dev/null || echo 2)"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/corvane_*.deb
