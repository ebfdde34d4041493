#!/usr/bin/env bash
# Installs the build into a temporary root as a package would and checks the
# list of files it puts there, that the programs run from it, and (through
# installed_test) what the installed settings and MIME type tell Qt.
#   install_test.sh SOURCE BUILD PREFIX LIBDIR SETTINGS_DIR INSTALLED_TEST COMPLETIONS_DIR
set -euo pipefail
source_dir=$1 build=$2 prefix=$3 libdir=$4 settings=$5 installed_test=$6 completions=$7
case $settings in /*) ;; *) settings=$prefix/$settings ;; esac
case $completions in /*) ;; *) completions=$prefix/$completions ;; esac
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" >/dev/null

share=$prefix/share
expected=(
  "$prefix/bin/corvane" "$prefix/bin/jsbtool"
  "$prefix/$libdir/libgauger.so" "$prefix/include/gauger.h"
  "$share/doc/corvane/gauger/gauger_compare.c"
  "$share/corvane/Docs/Corvane.html"
  "$share/applications/org.example.Corvane.desktop"
  "$share/mime/packages/corvane.xml"
  "$share/metainfo/org.example.Corvane.metainfo.xml"
  "$share/icons/hicolor/scalable/apps/org.example.Corvane.svg"
  "$share/icons/hicolor/scalable/mimetypes/application-x-jsb.svg"
  "$settings/Brantwick Software/Corvane.conf"
  "$share/man/man1/corvane.1.gz" "$share/man/man1/jsbtool.1.gz"
  "$completions/corvane" "$completions/jsbtool"
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

status=0
if ! diff -u <(printf '%s\n' "${expected[@]}" | sort) \
             <(cd "$root" && find . -type f -printf '/%P\n' | sort); then
  echo "FAIL: the installed files differ from the expected list (- expected, + installed)"
  status=1
fi
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
