#!/usr/bin/env bash
# Builds gauger.dll for 32-bit Windows (x86, stdcall exports) and for 64-bit Windows with
# MinGW-w64, each in its own folder (build-windows/i686, build-windows/x86_64), and runs
# their checks: the export and import tables, and a test program under Wine, 32-bit
# Wine for the 32-bit DLL. Installs what is missing first (scripts/deps.sh --windows),
# so a Wine that cannot start the test program fails its test rather than skipping it
# (but see below for 32-bit Wine under emulation).
# Extra arguments go to CMake's configure step (for example -DCORVANE_WERROR=ON).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" --windows
build="${GAUGER_WINDOWS_BUILD_DIR:-$root/build-windows}"

# One fresh Wine prefix for this run, quiet, never waiting for input or a display.
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/gauger-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Every Wine deps.sh installed must start its program; but where the kernel
# runs 32-bit programs only through qemu-user's emulator, 32-bit Wine often
# fails to map its fixed addresses ("failed to map the shared user data"), or
# where it runs none at all, its test is tried but reported as skipped, with
# Wine's words, when Wine cannot start.
if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  export GAUGER_WINE_REQUIRED=1
else
  echo "gauger-windows: this kernel runs 32-bit programs only emulated or not at all;" \
    "32-bit Wine may not start" >&2
fi
unset DISPLAY WAYLAND_DISPLAY
stop_wine() {
  local server
  for server in wineserver /usr/lib/wine/wineserver; do
    if command -v "$server" >/dev/null 2>&1; then
      timeout 60 "$server" -w || timeout 10 "$server" -k || true
      break
    fi
  done
  rm -rf "$WINEPREFIX"
}
trap stop_wine EXIT

status=0
for target in i686 x86_64; do
  dir="$build/$target"
  echo "== gauger.dll for $target"
  cmake -S "$root/gauger/windows" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/gauger/windows/mingw-w64-$target.cmake" "$@"
  cmake --build "$dir" --parallel "$(nproc 2>/dev/null || echo 2)"
  (cd "$dir" && ctest --output-on-failure --timeout 900 </dev/null) || status=1
  # CTest shows no output of a skipped test; say why it was skipped.
  awk -f "$root/scripts/lib/skipped.awk" "$dir/Testing/Temporary/LastTest.log" 2>/dev/null || true
done
exit $status
