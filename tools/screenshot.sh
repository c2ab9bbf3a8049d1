#!/usr/bin/env bash
# Starts Korvel in a virtual X display of the given size and saves a picture of its first
# window: tools/screenshot.sh OUT.png [WIDTHxHEIGHT] [korvel arguments...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "$1")"
size="${2:-1024x768}"
shift $(( $# >= 2 ? 2 : 1 ))
command -v xvfb-run >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y -qq xvfb xauth; }
xvfb-run -a -s "-screen 0 ${size}x24" "$here/build/app/korvel" --screenshot "$out" "$@"
echo "$out"
