#!/usr/bin/env bash
# Builds the Debian package from the build with CPack and checks its control
# fields and a few of its files: deb_test.sh BUILD
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps file; do  # file: for the libraries' dependencies
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/corvane_*.deb)
status=0
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqscintilla2-qt6-15 qt6-qpa-plugins; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
    { echo "FAIL: no dependency on $package"; status=1; }
done
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == *fonts-liberation* ]] || { echo "FAIL: Recommends: $recommends"; status=1; }
if dpkg-deb -f "$deb" Description | awk 'length($0) > 80 { found = 1 } END { exit !found }'; then
  echo "FAIL: a description line is longer than 80 columns"
  status=1
fi
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/corvane ./usr/bin/jsbtool ./usr/share/corvane/Docs/Corvane.html \
            ./usr/share/applications/org.example.Corvane.desktop \
            ./usr/share/man/man1/corvane.1.gz ./usr/share/man/man1/jsbtool.1.gz \
            ./usr/share/bash-completion/completions/corvane \
            ./usr/share/bash-completion/completions/jsbtool \
            "./etc/xdg/Brantwick Software/Corvane.conf"; do
  grep -qF " $file" <<<"$contents" || { echo "FAIL: $file is not in the package"; status=1; }
done
entry=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/org.example.Corvane.desktop)
# The window's class is the program's name, which docks match to the entry.
grep -qx 'StartupWMClass=corvane' <<<"$entry" || { echo "FAIL: no StartupWMClass=corvane"; status=1; }
conf=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO "./etc/xdg/Brantwick Software/Corvane.conf")
grep -qx 'General\\ProgramDir=/usr/share/corvane' <<<"$conf" ||
  { echo "FAIL: the settings file says:"; echo "$conf"; status=1; }
exit $status
