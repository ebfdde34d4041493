#!/usr/bin/env bash
# Installs the Debian packages that building, testing, benchmarking and
# packaging need (Qt's JavaScript engine for the constructor's check,
# dpkg-dev and file for the package's dependencies, the
# desktop's validators and MIME tools for its desktop files, scdoc for the
# manual pages and groff to check them, bash-completion for the completions,
# lintian for the packages, Qt's language tools and its own translations, the
# accessibility bus and its Python client for scripts/atspi-list.sh).
# With --windows, installs instead what scripts/gauger-windows.sh needs: the MinGW-w64
# cross compilers for 32- and 64-bit Windows and Wine to run what they build; the
# 32-bit Wine comes from the i386 architecture, which it adds to dpkg first, and
# where the kernel starts no 32-bit program, qemu-user runs them (see below).
# With --fresh, what scripts/fresh-check.sh needs to make a minimal Debian root.
# Does nothing when every one of them is already installed.
set -euo pipefail

suite_packages=(
  cmake g++ make pkg-config clang-format clang-tidy
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-declarative-dev
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
  wine64 wine32:i386
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

# The architectures that packages named with one (wine32:i386) need and dpkg does
# not know yet, one a line: apt-get update fetches no package lists for them.
unknown_architectures() {
  local p arch known
  known=" $(dpkg --print-architecture) $(dpkg --print-foreign-architectures | tr '\n' ' ')"
  for p in "$@"; do
    [[ $p == *:* ]] || continue
    arch=${p##*:}
    if [[ $known != *" $arch "* ]]; then
      echo "$arch"
      known+="$arch "
    fi
  done
}

# Installs those of the given packages that are missing.
install_missing() {
  local p missing=()
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -gt 0 ] || return 0

  echo "deps: installing ${missing[*]}" >&2
  if [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null 2>&1; then
    echo "deps: missing packages (${missing[*]}) and no root rights to install them" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  for arch in $(unknown_architectures "${missing[@]}"); do
    echo "deps: adding the $arch architecture" >&2
    as_root dpkg --add-architecture "$arch"
  done
  as_root apt-get update -q
  as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Some kernels, those of many virtual machines among them, start no 32-bit x86
# program (exec fails with "Exec format error"), and so no 32-bit Wine. There
# qemu-user's emulator runs them, registered with the kernel's binfmt_misc as
# the handler of 32-bit x86 executables (Debian registers it for other
# architectures only). The registration lasts until the machine restarts.
# Where it cannot be made, says so; the 32-bit Wine test then reports a skip.
enable_32bit_programs() {
  local loader=/lib/ld-linux.so.2 binfmt=/proc/sys/fs/binfmt_misc
  "$loader" --version >/dev/null 2>&1 && return 0
  echo "deps: this kernel starts no 32-bit x86 program; qemu-user will run them" >&2
  install_missing qemu-user-static
  if [ ! -e "$binfmt/register" ] && ! as_root mount -t binfmt_misc binfmt_misc "$binfmt"; then
    echo "deps: binfmt_misc cannot be mounted; 32-bit x86 programs will not start" >&2
    return 0
  fi
  if [ ! -e "$binfmt/qemu-i386" ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
      as_root tee "$binfmt/register" >/dev/null || true
  fi
  if ! "$loader" --version >/dev/null 2>&1; then
    echo "deps: 32-bit x86 programs still do not start" >&2
  fi
}

install_missing "${packages[@]}"
if [ "${1:-}" = --windows ]; then enable_32bit_programs; fi
