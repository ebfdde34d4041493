#!/usr/bin/env bash
# Installs the build into temporary roots (DESTDIR) for a private prefix and for
# /usr, and checks the list of files each install puts there: nothing outside
# the prefix but, for /usr and /usr/local alone, the settings in /etc/xdg. Then
# checks that the programs run from the private prefix and (through
# installed_test) what its settings and MIME type tell Qt.
#   install_test.sh SOURCE BUILD LIBDIR SETTINGS_DIR INSTALLED_TEST COMPLETIONS_DIR
# SETTINGS_DIR is the build's explicit settings folder, or empty.
set -euo pipefail
source_dir=$1 build=$2 libdir=$3 explicit_settings=$4 installed_test=$5 completions=$6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# The settings folder an install for the prefix $1 should write.
settings_for() {
  case $explicit_settings:$1 in
    /*:*) echo "$explicit_settings" ;;
    ?*:*) echo "$1/$explicit_settings" ;;
    :/usr | :/usr/local) echo /etc/xdg ;;
    *) echo "$1/etc/xdg" ;;
  esac
}

# Every file and link an install for the prefix $1 should make.
expected_files() {
  local prefix=$1 share=$1/share settings completions_dir=$completions example size dir
  settings=$(settings_for "$prefix")
  case $completions_dir in /*) ;; *) completions_dir=$prefix/$completions_dir ;; esac
  local expected=(
    "$prefix/bin/corvane" "$prefix/bin/jsbtool"
    "$prefix/$libdir/libgauger.so" "$prefix/$libdir/libgauger.so.1"
    "$prefix/$libdir/libgauger.so.1.0.0" "$prefix/include/gauger.h"
    "$share/doc/libgauger-dev/examples/gauger_compare.c"
    "$share/corvane/Docs/Corvane.html" "$share/corvane/Docs/sourceview-check.png"
    "$share/applications/org.example.Corvane.desktop"
    "$share/mime/packages/corvane.xml"
    "$share/metainfo/org.example.Corvane.metainfo.xml"
    "$share/icons/hicolor/scalable/apps/org.example.Corvane.svg"
    "$share/icons/hicolor/scalable/mimetypes/application-x-jsb.svg"
    "$settings/Brantwick Software/Corvane.conf"
    "$share/man/man1/corvane.1.gz" "$share/man/man1/jsbtool.1.gz"
    "$completions_dir/corvane" "$completions_dir/jsbtool"
  )
  for example in "$source_dir"/examples/*; do
    expected+=("$share/doc/corvane/examples/$(basename "$example")")
  done
  for size in 16 24 32 48 64 128 256; do
    for dir in "${size}x$size" "${size}x$size@2"; do
      expected+=("$share/icons/hicolor/$dir/apps/org.example.Corvane.png"
                 "$share/icons/hicolor/$dir/mimetypes/application-x-jsb.png")
    done
  done
  printf '%s\n' "${expected[@]}" | sort
}

# Installs for the prefix $1 into the root $2 and compares what it made.
check_install() {
  local prefix=$1 root=$2
  DESTDIR=$root cmake --install "$build" --prefix "$prefix" >/dev/null
  if ! diff -u <(expected_files "$prefix") <(cd "$root" && find . ! -type d -printf '/%P\n' | sort); then
    echo "FAIL: the files installed for $prefix differ from the expected list (- expected, + installed)"
    status=1
  fi
}

private=/opt/corvane-staged
root=$work/private
check_install "$private" "$root"
check_install /usr "$work/usr"
prefix=$private
share=$prefix/share
settings=$(settings_for "$prefix")

# A double-scale icon has twice the pixels of its size.
if command -v identify >/dev/null 2>&1; then
  got=$(identify -format '%w' "$root$share/icons/hicolor/48x48@2/apps/org.example.Corvane.png")
  [ "$got" = 96 ] || { echo "FAIL: the 48x48@2 icon is $got pixels wide"; status=1; }
else
  echo "skipped: the icons' sizes: identify (imagemagick) is not installed"
fi
for program in corvane jsbtool; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root$prefix/bin/$program" --version) || true
  [[ $out == "$program "* ]] || { echo "FAIL: installed $program --version said: $out"; status=1; }
done
CORVANE_INSTALL_ROOT=$root CORVANE_INSTALL_PREFIX=$prefix \
  CORVANE_SETTINGS_DIR=$root$settings "$installed_test" || status=1
exit $status
