#!/usr/bin/env bash
# Refreshes data/cty.dat and data/WAG_call_history.txt from Debian's hamradio-files package.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src=/usr/share/hamradio-files
if [ ! -r "$src/cty.dat" ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq hamradio-files
fi
cp "$src/cty.dat" "$here/data/cty.dat"
cp "$src/WAG_call_history.txt" "$here/data/WAG_call_history.txt"
echo "Updated data/cty.dat and data/WAG_call_history.txt; rebuild, and delete DbsKorvel.mdb in a data folder to rebuild it."
