#!/usr/bin/env bash
# Builds the Debian packages corvane, libgauger1 and libgauger-dev: installs
# what is missing, makes a Release build for the /usr prefix in build-package/
# with Debian's hardening flags, runs CPack there and checks each package with
# lintian, failing on any error or warning. Prints the packages' paths, one a
# line; install them with: sudo apt-get install ./build-package/*.deb
# Extra arguments go to CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
source "$root/scripts/lib/ccache.sh"
build="${CORVANE_PACKAGE_BUILD_DIR:-$root/build-package}"

# The flags Debian builds its packages with: fortified C library calls, stack
# protection, read-only relocations bound at start (-z relro -z now), a
# position-independent program, and the source folder mapped out of the
# binaries' paths. dpkg-buildflags maps the folder it runs in.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { (cd "$root" && dpkg-buildflags --get "$1"); }
cppflags=$(flags CPPFLAGS)
ldflags=$(flags LDFLAGS)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_BENCH=OFF -DCORVANE_GUIDE_FROM_SOURCE=OFF \
  -DCMAKE_C_FLAGS="$(flags CFLAGS) $cppflags" -DCMAKE_CXX_FLAGS="$(flags CXXFLAGS) $cppflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
  "${ccache_args[@]}" "$@" >&2
cmake --build "$build" --parallel "$(nproc 2>/dev/null || echo 2)" >&2
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >&2)

# lintian's own overrides (packaging/debian/PACKAGE/lintian-overrides) say why
# each tag they silence is intended.
packages=("$build"/*.deb)
lintian --fail-on error,warning --display-info --info "${packages[@]}" >&2 || {
  echo "package: lintian found errors or warnings in the packages" >&2
  exit 1
}
printf '%s\n' "${packages[@]}"
