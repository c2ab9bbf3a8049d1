#!/usr/bin/env bash
# Sets everything up and starts Korvel on its default data folder (~/.local/share/korvel).
# Arguments are passed to the program, e.g. scripts/run.sh --dir ~/contests/2026
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Only the program: the tests and benchmarks are built by scripts/test.sh or on request.
KORVEL_BUILD_TARGETS=korvel "$here/scripts/setup.sh" "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$here/build/app/korvel" "$@"
