#!/usr/bin/env bash
# Tries the README's commands as a new contributor would on a fresh machine:
# makes a minimal Debian 12 root with mmdebstrap, clones this checkout's HEAD
# into it for an ordinary user who may use sudo, and runs there
#   scripts/test.sh              (must pass: it installs its own packages)
#   scripts/run.sh --version     (must print the version with no display)
# then prints how long each step took and removes the root.
#
#   scripts/fresh-check.sh [--keep]
#
# --keep leaves the root in place and prints where it is. FRESH_DIR names the
# folder the root is made in (default: a new one under /var/tmp). Uncommitted
# changes do not reach the root: it holds what HEAD holds.
# Skips, saying why and with status 0, only where this machine cannot make a
# root: without root rights, or without mmdebstrap (deps.sh --fresh installs it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
suite=bookworm
user=contributor

skip() {
  echo "fresh-check: skipped: $*" >&2
  exit 0
}

keep=false
case "${1:-}" in
  "") ;;
  --keep) keep=true ;;
  *)
    echo "usage: $0 [--keep]" >&2
    exit 2
    ;;
esac

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    exec sudo -n FRESH_DIR="${FRESH_DIR:-}" -- "$0" "$@"
  fi
  skip "making a root needs root rights (run it as root or with sudo)"
fi
command -v unshare >/dev/null 2>&1 || skip "unshare (util-linux) is missing"
"$root/scripts/deps.sh" --fresh || true
command -v mmdebstrap >/dev/null 2>&1 || skip "mmdebstrap is missing and could not be installed"

# Root may be reading a checkout of another user's.
source_git() { git -c safe.directory="$root" -C "$root" "$@"; }
if [ -n "$(source_git status --porcelain --untracked-files=no)" ]; then
  echo "fresh-check: the work tree has uncommitted changes; the root gets HEAD only" >&2
fi
head=$(source_git rev-parse HEAD)

fresh=$(mktemp -d "${FRESH_DIR:-/var/tmp}/corvane-fresh.XXXXXX")
target="$fresh/root"
cleanup() {
  if $keep; then
    echo "fresh-check: the root is kept in $target"
    return
  fi
  # Every mount of the checks lived in their own namespace; refuse to remove
  # anything should one still show here.
  if grep -q -F " $fresh/" /proc/self/mounts; then
    echo "fresh-check: $fresh still has mounts; not removed" >&2
    return
  fi
  rm -rf --one-file-system "$fresh"
}
trap cleanup EXIT

timings=()
step() {
  local name=$1 start=$SECONDS
  shift
  echo "fresh-check: $name" >&2
  "$@"
  timings+=("$(printf '%-44s %5d s' "$name" $((SECONDS - start)))")
}

# Runs a command as the contributor inside the root, with /proc, /sys and /dev
# mounted in a namespace of its own, so that nothing stays mounted (or running)
# once it ends or is stopped, and with a login environment: no display, no
# locale, a home of its own.
in_root() {
  unshare --mount --pid --fork --kill-child --propagation private -- bash -euc '
    target=$1; shift
    mount -t proc proc "$target/proc"
    mount --rbind /sys "$target/sys"
    mount --rbind /dev "$target/dev"
    exec chroot "$target" runuser -l '"$user"' -c "$*"
  ' in_root "$target" "$@"
}

# The same, with what it prints kept in a log as well.
in_root_logged() {
  local log=$1
  shift
  in_root "$@" 2>&1 | tee "$log"
}

make_root() {
  mmdebstrap --quiet --variant=minbase --include=git,ca-certificates,sudo \
    "$suite" "$target"
  chroot "$target" useradd --create-home --shell /bin/bash "$user"
  echo "$user ALL=(ALL) NOPASSWD: ALL" >"$target/etc/sudoers.d/$user"
  chmod 0440 "$target/etc/sudoers.d/$user"
}

clone() {
  local into="$target/home/$user/corvane"
  git -c safe.directory="$root" -c safe.directory="$root/.git" clone --quiet --no-checkout \
    "$root" "$into"
  git -C "$into" checkout --quiet --detach "$head"
  chroot "$target" chown -R "$user:$user" "/home/$user/corvane"
}

check_version() {
  local out
  out=$(in_root "cd corvane && scripts/run.sh --version")
  printf '%s\n' "$out"
  if ! printf '%s\n' "$out" | tail -n 1 | grep -E -q '^corvane [0-9]+\.[0-9]+'; then
    echo "fresh-check: run.sh --version printed no version" >&2
    return 1
  fi
}

total=$SECONDS
step "make a minimal $suite root" make_root
step "clone ${head:0:7} into it" clone
suite_log="$fresh/suite.log"
step "scripts/test.sh (packages, build, suite)" \
  in_root_logged "$suite_log" "cd corvane && scripts/test.sh"
step "scripts/run.sh --version" check_version
timings+=("$(printf '%-44s %5d s' "all" $((SECONDS - total)))")
echo "fresh-check: passed on a fresh $suite root"
printf 'fresh-check:   %s\n' "${timings[@]}"
# The suite's own count closes the output.
grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$suite_log" | tail -n 1
