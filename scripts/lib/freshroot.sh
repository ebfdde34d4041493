# shellcheck shell=bash disable=SC2154 # root, me and keep are the caller's
# Shared by the checks that run on a fresh minimal Debian 12 root made with
# mmdebstrap (fresh-check.sh, package-check.sh). Set root (the checkout), me
# (the name the messages start with) and keep (true: the root is left in
# place) and source it, then:
#   freshroot_begin "$@"        re-runs the script as root through sudo, or skips
#                               where this machine cannot make a root; makes
#                               the folder $fresh that holds the root, $target
#   freshroot_make [PKG,...]    makes the root, with those packages and $user
#   in_root CMD                 runs CMD in it as $user; in_root_as USER CMD
#   step NAME CMD...            runs CMD and notes how long it took
#   freshroot_passed            says so and prints the timings
suite=bookworm
user=contributor

skip() {
  echo "$me: skipped: $*" >&2
  exit 0
}

freshroot_begin() {
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
      exec sudo -n FRESH_DIR="${FRESH_DIR:-}" -- "$0" "$@"
    fi
    skip "making a root needs root rights (run it as root or with sudo)"
  fi
  command -v unshare >/dev/null 2>&1 || skip "unshare (util-linux) is missing"
  "$root/scripts/deps.sh" --fresh || true
  command -v mmdebstrap >/dev/null 2>&1 || skip "mmdebstrap is missing and could not be installed"
  fresh=$(mktemp -d "${FRESH_DIR:-/var/tmp}/corvane-fresh.XXXXXX")
  target="$fresh/root"
  trap freshroot_cleanup EXIT
  timings=()
  total=$SECONDS
}

freshroot_cleanup() {
  if $keep; then
    echo "$me: the root is kept in $target"
    return
  fi
  # Every mount of the checks lived in their own namespace; refuse to remove
  # anything should one still show here.
  if grep -q -F " $fresh/" /proc/self/mounts; then
    echo "$me: $fresh still has mounts; not removed" >&2
    return
  fi
  rm -rf --one-file-system "$fresh"
}

step() {
  local name=$1 start=$SECONDS
  shift
  echo "$me: $name" >&2
  "$@"
  timings+=("$(printf '%-44s %5d s' "$name" $((SECONDS - start)))")
}

freshroot_passed() {
  timings+=("$(printf '%-44s %5d s' "all" $((SECONDS - total)))")
  echo "$me: passed on a fresh $suite root"
  printf '%s\n' "${timings[@]/#/"$me:   "}"
}

freshroot_make() {
  mmdebstrap --quiet --variant=minbase ${1:+"--include=$1"} "$suite" "$target"
  chroot "$target" useradd --create-home --shell /bin/bash "$user"
}

# Runs a command as USER inside the root, with /proc, /sys and /dev mounted in
# a namespace of its own, so that nothing stays mounted (or running) once it
# ends or is stopped, and with a login environment: no display, no locale, a
# home of its own.
in_root_as() {
  local as=$1
  shift
  unshare --mount --pid --fork --kill-child --propagation private -- bash -euc '
    target=$1 as=$2; shift 2
    mount -t proc proc "$target/proc"
    mount --rbind /sys "$target/sys"
    mount --rbind /dev "$target/dev"
    exec chroot "$target" runuser -l "$as" -c "$*"
  ' in_root "$target" "$as" "$@"
}

in_root() { in_root_as "$user" "$@"; }
