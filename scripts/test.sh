#!/usr/bin/env bash
# Sets everything up and runs every test, built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Needs no display: widget tests run offscreen.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$here/build-test"
# The validators of the desktop entry, the AppStream data and the Debian package; the tests
# that need them are skipped where they are missing.
KORVEL_EXTRA_PACKAGES="desktop-file-utils appstream lintian file" \
  "$here/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Debug -DKORVEL_SANITIZE=ON -DKORVEL_BENCH=OFF
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$here/tests/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
# A short run of every fuzz target (tests/fuzz), so that they keep compiling and their seed
# corpora stay valid: 20 s each, 5 s when CI=true; needs clang (a separate build, build-clang).
cd "$here"
if command -v clang++ >/dev/null; then
  "$here/scripts/fuzz.sh"
else
  echo "Fuzz targets not run: clang++ is missing (apt-get install clang)."
fi
