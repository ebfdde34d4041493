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
me="fresh-check"
source "$root/scripts/lib/freshroot.sh"

keep=false
case "${1:-}" in
  "") ;;
  --keep) keep=true ;;
  *)
    echo "usage: $0 [--keep]" >&2
    exit 2
    ;;
esac
freshroot_begin "$@"

# Root may be reading a checkout of another user's.
source_git() { git -c safe.directory="$root" -C "$root" "$@"; }
if [ -n "$(source_git status --porcelain --untracked-files=no)" ]; then
  echo "fresh-check: the work tree has uncommitted changes; the root gets HEAD only" >&2
fi
head=$(source_git rev-parse HEAD)

# The same as in_root, with what it prints kept in a log as well.
in_root_logged() {
  local log=$1
  shift
  in_root "$@" 2>&1 | tee "$log"
}

make_root() {
  freshroot_make git,ca-certificates,sudo
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

step "make a minimal $suite root" make_root
step "clone ${head:0:7} into it" clone
suite_log="$fresh/suite.log"
step "scripts/test.sh (packages, build, suite)" \
  in_root_logged "$suite_log" "cd corvane && scripts/test.sh"
step "scripts/run.sh --version" check_version
freshroot_passed
# The suite's own count closes the output.
grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$suite_log" | tail -n 1
