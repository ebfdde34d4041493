#!/usr/bin/env bash
# Builds the Debian packages from the build with CPack and checks them as dpkg
# and lintian see them: their control fields and areas, which package holds
# which file, the library's soname and symbols, the conffile and the doc
# folders: deb_test.sh BUILD
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps file objdump readelf; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; exit 1; }
status=0
fail() {
  echo "FAIL: $*"
  status=1
}

declare -A deb
for name in corvane libgauger1 libgauger-dev; do
  deb[$name]=$(ls "$out/${name}_"*.deb 2>/dev/null) || { echo "FAIL: no $name package"; exit 1; }
  mkdir "$out/$name"
  dpkg-deb -R "${deb[$name]}" "$out/$name"
done
[ "$(ls "$out"/*.deb | wc -l)" = 3 ] || fail "cpack made other packages: $(ls "$out"/*.deb)"
version=$(dpkg-deb -f "${deb[corvane]}" Version)

# Holds when the comma-separated list $1 names package $2 (with or without a version).
names() { [[ ", $1," == *", $2 "* || ", $1," == *", $2,"* ]]; }
depends=$(dpkg-deb -f "${deb[corvane]}" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqscintilla2-qt6-15 qt6-qpa-plugins; do
  names "$depends" "$package" || fail "corvane does not depend on $package: $depends"
done
names "$(dpkg-deb -f "${deb[corvane]}" Recommends)" fonts-liberation ||
  fail "corvane does not recommend fonts-liberation"
names "$(dpkg-deb -f "${deb[libgauger1]}" Depends)" libc6 || fail "libgauger1 does not depend on libc6"
[ "$(dpkg-deb -f "${deb[libgauger-dev]}" Depends)" = "libgauger1 (= $version)" ] ||
  fail "libgauger-dev depends on: $(dpkg-deb -f "${deb[libgauger-dev]}" Depends)"

# Which package holds which file, and that no file is in two of them.
expect_in() {
  local name=$1 file
  shift
  for file in "$@"; do
    [ -e "$out/$name/$file" ] || [ -L "$out/$name/$file" ] || fail "$file is not in $name"
  done
}
lib=$(cd "$out/libgauger1" && find usr/lib -name 'libgauger.so.1.*' -type f)
libdir=$(dirname "$lib")
expect_in corvane usr/bin/corvane usr/bin/jsbtool usr/share/corvane/Docs/Corvane.html \
  usr/share/corvane/Docs/sourceview-check.png \
  usr/share/applications/org.example.Corvane.desktop usr/share/man/man1/corvane.1.gz \
  usr/share/man/man1/jsbtool.1.gz usr/share/bash-completion/completions/jsbtool \
  "etc/xdg/Brantwick Software/Corvane.conf"
expect_in libgauger1 "$libdir/libgauger.so.1"
expect_in libgauger-dev "$libdir/libgauger.so" usr/include/gauger.h \
  usr/share/doc/libgauger-dev/examples/gauger_compare.c
duplicated=$(for name in "${!deb[@]}"; do (cd "$out/$name" && find . -path ./DEBIAN -prune -o \
  ! -type d -print); done | sort | uniq -d)
[ -z "$duplicated" ] || fail "files in more than one package: $duplicated"

for name in "${!deb[@]}"; do
  doc=$out/$name/usr/share/doc/$name
  [ -f "$doc/copyright" ] && grep -q '^Format: https://www.debian.org/doc/packaging-manuals/' \
    "$doc/copyright" || fail "$name has no machine-readable copyright file"
  top=$(gzip -dc "$doc/changelog.Debian.gz" 2>/dev/null | head -n 1)
  [[ $top == "corvane ($version) "* ]] || fail "$name's changelog starts: $top"
  if dpkg-deb -f "${deb[$name]}" Description | awk 'length($0) > 80 { found = 1 } END { exit !found }'; then
    fail "a line of $name's description is longer than 80 columns"
  fi
  for script in preinst postinst prerm postrm; do
    [ ! -e "$out/$name/DEBIAN/$script" ] || fail "$name has a $script script"
  done
done

# The library: versioned soname, ldconfig by trigger, and a symbols file that
# lists exactly what it exports.
soname=$(objdump -p "$out/libgauger1/$lib" | awk '$1 == "SONAME" { print $2 }')
[ "$soname" = libgauger.so.1 ] || fail "the library's soname is '$soname'"
grep -qx 'activate-noawait ldconfig' "$out/libgauger1/DEBIAN/triggers" ||
  fail "libgauger1 has no ldconfig trigger"
exported=$(objdump -T "$out/libgauger1/$lib" | awk '$4 == ".text" { print $NF }' | sort)
listed=$(awk '/^ / { sub(/@.*/, "", $1); print $1 }' "$out/libgauger1/DEBIAN/symbols" | sort)
[ "$exported" = "$listed" ] ||
  fail "the symbols file differs from the exports: $(diff <(echo "$listed") <(echo "$exported"))"
grep -q "^libgauger 1 libgauger1 " "$out/libgauger1/DEBIAN/shlibs" || fail "libgauger1 has no shlibs"

# The binaries are stripped of the compiler's notes, as Debian's tools strip them.
for binary in usr/bin/corvane usr/bin/jsbtool; do
  ! readelf -S "$out/corvane/$binary" | grep -q '\.comment' || fail "$binary has a .comment section"
done
! readelf -S "$out/libgauger1/$lib" | grep -q '\.comment' || fail "$lib has a .comment section"

# The settings file is a conffile: dpkg-deb refuses to build a package whose
# conffiles name a file it does not hold.
grep -qx '/etc/xdg/Brantwick Software/Corvane.conf' "$out/corvane/DEBIAN/conffiles" ||
  fail "the settings file is not a conffile"
dpkg-deb --build "$out/corvane" "$out/rebuilt.deb" >/dev/null || fail "dpkg-deb rejects corvane's conffiles"

entry=$out/corvane/usr/share/applications/org.example.Corvane.desktop
# The window's class is the program's name, which docks match to the entry.
grep -qx 'StartupWMClass=corvane' "$entry" || fail "no StartupWMClass=corvane"
grep -qx 'General\\ProgramDir=/usr/share/corvane' "$out/corvane/etc/xdg/Brantwick Software/Corvane.conf" ||
  fail "the settings file names another ProgramDir"

if command -v lintian >/dev/null 2>&1; then
  lintian --fail-on error,warning "${deb[@]}" || fail "lintian found errors or warnings"
else
  echo "skipped: lintian is not installed"
fi
exit $status
