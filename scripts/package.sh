#!/usr/bin/env bash
# Builds the Debian package of Korvel on Debian 12: installs what is missing, builds the
# program with Debian's hardening flags and writes korvel_VERSION_ARCH.deb into the build
# folder (default build-package). Checks it with lintian when lintian is installed.
# Usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build-package}"

# dpkg-dev: dpkg-buildflags and dpkg-shlibdeps; file: how CPack finds the executables.
KORVEL_EXTRA_PACKAGES="dpkg-dev file" "$here/scripts/setup.sh" --packages-only
"$here/scripts/setup.sh" "$build" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEL_TESTS=OFF -DKORVEL_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"

rm -f "$build"/korvel_*.deb
(cd "$build" && cpack -G DEB)
deb="$(ls "$build"/korvel_*.deb)"
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb"
fi
echo "$deb"
