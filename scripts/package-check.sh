#!/usr/bin/env bash
# Installs the Debian packages on a fresh minimal Debian 12 root as a user
# would, and checks there that
#   apt-get install ./X.deb ... installs them with what Debian's archive has,
#   corvane --version and jsbtool --version print versions with no display,
#   dpkg keeps the machine-wide settings file as a conffile,
#   jsbtool check passes on the installed examples,
#   xdg-mime gives application/x-jsb for an example and Corvane's desktop
#     entry as the default application of that type,
#   Corvane, started on an example under Xvfb, shows the file in its caption
#     and ends through File > Exit,
#   apt-get purge and autoremove --purge leave nothing of them behind;
# then prints how long each step took and removes the root.
#
#   scripts/package-check.sh [--keep] [DEB...]
#
# Without DEB, every .deb that scripts/package.sh made in build-package/ (or
# $CORVANE_PACKAGE_BUILD_DIR). --keep and FRESH_DIR as in fresh-check.sh; it
# skips, saying why and with status 0, where that does.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
me="package-check"
source "$root/scripts/lib/freshroot.sh"
examples=/usr/share/doc/corvane/examples
# Where the packages wait inside the root: apt's download user must read them.
packages=/tmp/packages
# Commands in the root start with a login environment of their own.
apt_get="DEBIAN_FRONTEND=noninteractive apt-get -y -q"

fail() {
  echo "$me: FAILED: $*" >&2
  exit 1
}

keep=false
if [ "${1:-}" = --keep ]; then
  keep=true
  shift
fi
case "${1:-}" in
  -*)
    echo "usage: $0 [--keep] [DEB...]" >&2
    exit 2
    ;;
esac
debs=("$@")
if [ ${#debs[@]} -eq 0 ]; then
  build="${CORVANE_PACKAGE_BUILD_DIR:-$root/build-package}"
  shopt -s nullglob
  debs=("$build"/*.deb)
  shopt -u nullglob
  [ ${#debs[@]} -gt 0 ] || fail "no .deb in $build: build them with scripts/package.sh"
fi
names=()
for i in "${!debs[@]}"; do
  debs[i]=$(realpath "${debs[i]}")
  names+=("$(dpkg-deb -f "${debs[i]}" Package)") || fail "${debs[i]} is not a Debian package"
done
args=("${debs[@]}")
if $keep; then args=(--keep "${args[@]}"); fi
freshroot_begin "${args[@]}"

# The root's dpkg database, read from here.
root_dpkg() { dpkg-query --admindir="$target/var/lib/dpkg" "$@"; }

# Runs apt-get commands in the root as root. What they print goes to a log
# beside the root, shown when they fail; apt's summaries are shown.
root_apt() {
  local what=$1 log
  log=$(mktemp "$fresh/apt.XXXXXX.log")
  shift
  if ! in_root_as root "$*" >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    fail "$what"
  fi
  grep -E '^[0-9]+ upgraded, ' "$log"
}

install_packages() {
  mkdir -p "$target$packages"
  cp "${debs[@]}" "$target$packages/"
  chmod -R a+rX "$target$packages"
  root_apt "apt-get install of ${names[*]}" "$apt_get update && cd $packages &&
    $apt_get install $(printf './%q ' "${debs[@]##*/}")"
}

check_versions() {
  local out program
  out=$(in_root "corvane --version; jsbtool --version" 2>&1) || true
  printf '%s\n' "$out"
  for program in corvane jsbtool; do
    grep -E -q "^$program [0-9]+\.[0-9]+" <<<"$out" || fail "$program --version printed no version"
  done
}

# An administrator's edit of the machine-wide settings survives upgrades.
check_conffile() {
  local conffile="/etc/xdg/Brantwick Software/Corvane.conf"
  root_dpkg -s corvane | sed -n '/^Conffiles:/,/^[^ ]/p' | grep -F " $conffile " ||
    fail "dpkg has no conffile $conffile"
}

check_examples() {
  in_root "jsbtool check $examples/*.jsb" || fail "jsbtool check on $examples"
}

# A desktop has these, and xdg-mime needs them outside a desktop session:
# shared-mime-info and desktop-file-utils build the caches of MIME types and
# of the applications for each type when a package adds to them (the dpkg
# triggers are theirs), and xdg-mime reads the MIME database through
# libfile-mimeinfo-perl where it knows no desktop. Xvfb, xauth and xdotool
# run the window without a display. They come after the packages, so that the
# packages' own dependencies alone let the programs start.
install_desktop() {
  root_apt "apt-get install of the desktop's tools" "$apt_get install xdg-utils \
    desktop-file-utils shared-mime-info libfile-mimeinfo-perl xvfb xauth xdotool"
}

check_mime() {
  local example type app
  for example in "${installed_examples[@]}"; do
    type=$(in_root "xdg-mime query filetype $(printf %q "$example")")
    echo "$example: $type"
    [ "$type" = application/x-jsb ] || fail "xdg-mime gives $example the type '$type'"
  done
  app=$(in_root "xdg-mime query default application/x-jsb")
  echo "application/x-jsb: $app"
  [ "$app" = org.example.Corvane.desktop ] || fail "xdg-mime's default for application/x-jsb is '$app'"
}

# Runs inside the root, as the user: starts Corvane on FILE under Xvfb, waits
# for the caption CAPTION and ends the program through File > Exit.
window_in_root() {
  set -euo pipefail
  local file=$1 caption=$2 work app window
  source /tmp/xvfb.sh
  work=$(mktemp -d)
  start_xvfb "$work"
  unset XDG_CONFIG_DIRS # the package's machine-wide settings are read
  corvane "$file" >"$work/app.log" 2>&1 &
  app=$!
  window=$(find_window "^${caption//./\\.}\$")
  if [ -z "$window" ]; then
    echo "no window captioned '$caption'; the windows:" >&2
    xdotool search --name . getwindowname %@ >&2 || true
    cat "$work/app.log" >&2
    return 1
  fi
  echo "a window captioned '$(xdotool getwindowname "$window")'"
  sleep 1
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key alt+f e
  for _ in $(seq 100); do
    if ! kill -0 "$app" 2>/dev/null; then
      wait "$app" && echo "it ended through File > Exit" && return
      echo "it ended with status $? through File > Exit" >&2
      cat "$work/app.log" >&2
      return 1
    fi
    sleep 0.1
  done
  echo "it did not end through File > Exit" >&2
  return 1
}

check_window() {
  local example=${installed_examples[0]}
  cp "$root/scripts/lib/xvfb.sh" "$target/tmp/xvfb.sh"
  in_root "$(declare -f window_in_root); window_in_root $(printf '%q ' "$example" \
    "Corvane - ${example##*/}")" ||
    fail "Corvane's window on $example"
}

purge() {
  for name in "${names[@]}"; do root_dpkg -L "$name"; done | grep -v -x '/\.' | sort -u \
    >"$fresh/installed.list"
  root_apt "apt-get purge of ${names[*]}" "$apt_get purge ${names[*]} &&
    $apt_get autoremove --purge"
}

# What the packages installed is gone: their files and the folders no other
# package holds, dpkg's record of them, the settings folder and what the
# desktop's caches said of the MIME type.
check_leftovers() {
  local path name left=() folders=()
  while IFS= read -r path; do
    if [ -d "$target$path" ] && [ ! -L "$target$path" ]; then
      folders+=("$path")
    elif [ -e "$target$path" ] || [ -L "$target$path" ]; then
      left+=("$path")
    fi
  done <"$fresh/installed.list"
  if [ ${#folders[@]} -gt 0 ]; then
    mapfile -t -O ${#left[@]} left < <(comm -23 <(printf '%s\n' "${folders[@]}" | sort) \
      <(root_dpkg -S "${folders[@]}" 2>/dev/null | sed -n 's|^.*: /|/|p' | sort -u))
  fi
  for name in "${names[@]}"; do
    root_dpkg -s "$name" >/dev/null 2>&1 && left+=("dpkg's status of $name")
    compgen -G "$target/var/lib/dpkg/info/${name}[.:]*" >/dev/null && left+=("dpkg's files of $name")
  done
  [ ! -e "$target/etc/xdg/Brantwick Software" ] || left+=("/etc/xdg/Brantwick Software")
  [ ! -e "$target/usr/share/mime/application/x-jsb.xml" ] || left+=("the MIME database's application/x-jsb")
  ! grep -q -s '^application/x-jsb=' "$target/usr/share/applications/mimeinfo.cache" ||
    left+=("application/x-jsb in mimeinfo.cache")
  [ ${#left[@]} -eq 0 ] || fail "the purge left:$(printf '\n  %s' "${left[@]}" | awk '!seen[$0]++')"
  echo "nothing left of $(wc -l <"$fresh/installed.list") paths"
}

step "make a minimal $suite root" freshroot_make
step "apt-get install the ${#debs[@]} .deb files" install_packages
step "corvane and jsbtool --version, no display" check_versions
step "the settings file is a conffile" check_conffile
step "jsbtool check on the installed examples" check_examples
installed_examples=("$target$examples"/*.jsb)
installed_examples=("${installed_examples[@]#"$target"}")
step "install a desktop's tools and Xvfb" install_desktop
step "xdg-mime: the type and its application" check_mime
step "the window under Xvfb" check_window
step "apt-get purge and autoremove" purge
step "nothing of the packages left" check_leftovers
freshroot_passed
