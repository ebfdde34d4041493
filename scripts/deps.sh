#!/usr/bin/env bash
# Installs the Debian packages that building, testing, benchmarking and
# packaging need (dpkg-dev and file for the package's dependencies, the
# desktop's validators and MIME tools for its desktop files, scdoc for the
# manual pages and groff to check them, bash-completion for the completions,
# lintian for the packages, Qt's language tools and its own translations, the
# accessibility bus and its Python client for scripts/atspi-list.sh).
# With --windows, installs instead what scripts/gauger-windows.sh needs: the MinGW-w64
# cross compilers for 32- and 64-bit Windows and Wine to run what they build.
# With --fresh, what scripts/fresh-check.sh needs to make a minimal Debian root.
# Does nothing when every one of them is already installed.
set -euo pipefail

suite_packages=(
  cmake g++ make pkg-config clang-format clang-tidy
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libqscintilla2-qt6-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev googletest libgmock-dev
  libbenchmark-dev
  xvfb xauth xdotool x11-apps imagemagick fonts-liberation qt6ct
  dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
  clang libclang-rt-dev llvm ccache
  dpkg-dev file desktop-file-utils appstream shared-mime-info
  scdoc groff-base man-db bash-completion lintian
)

windows_packages=(
  cmake make
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix
  wine64
)

fresh_packages=(mmdebstrap git)

case "${1:-}" in
  "") packages=("${suite_packages[@]}") ;;
  --windows) packages=("${windows_packages[@]}") ;;
  --fresh) packages=("${fresh_packages[@]}") ;;
  *)
    echo "usage: $0 [--windows|--fresh]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "deps: installing ${missing[*]}" >&2
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
  else
    echo "deps: missing packages (${missing[*]}) and no root rights to install them" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
