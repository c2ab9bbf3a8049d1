#!/bin/sh
# Builds the Debian package from a build folder into a temporary folder, checks the fields
# the operator's apt relies on, and runs lintian on it: no error allowed. Skipped (exit 77)
# without lintian or the tools CPack needs for the package's dependencies.
# Usage: package_test.sh CPACK BUILD_DIR
set -eu
cpack=$1
build=$2
for tool in lintian:lintian dpkg-shlibdeps:dpkg-dev file:file; do
  if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
    echo "skipped: ${tool%%:*} is not installed (Debian package ${tool#*:})"
    exit 77
  fi
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cpack" -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/korvel_*.deb)

field() { dpkg-deb -f "$deb" "$1"; }
fail=0
expect() { # FIELD PATTERN: the field matches the (grep -E) pattern
  if ! field "$1" | grep -Eq "$2"; then
    echo "$1: \"$(field "$1")\" does not match $2"
    fail=1
  fi
}
expect Package '^korvel$'
expect Section '^hamradio$'
expect Recommends '(^|, )hamradio-files($|,| )'
# Worked out from the shared libraries, plus the SQLite driver, which is loaded as a plugin.
expect Depends '(^|, )libqt6core6 \(>= [0-9.]+\)'
expect Depends '(^|, )libqt6widgets6 '
expect Depends '(^|, )libqt6sql6-sqlite($|,)'
expect Description '^contest logger for amateur radio'
[ "$(field Description | wc -l)" -gt 3 ] || { echo "Description: no long description"; fail=1; }
for path in ./usr/bin/korvel ./usr/share/korvel/data/cty.dat ./usr/share/korvel/help/KorvelEngl.HLP \
  ./usr/share/applications/org.korvel.Korvel.desktop ./usr/share/man/man1/korvel.1.gz; do
  dpkg-deb -c "$deb" | grep -q " $path\$" || { echo "missing in the package: $path"; fail=1; }
done

lintian --fail-on error "$deb" || fail=1
exit $fail
