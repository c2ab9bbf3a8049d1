#!/usr/bin/env bash
# Runs the setup screen's replay scripts and writes what they print next to them as
# NAME.expected, with the data folder written as $DATA. Check every change by hand before
# committing it: the expected files are the tests.
# Usage: tools/setup-expected.sh [NAME...]   (default: every script)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
scripts="$here/tests/setup/scripts"
names=("$@")
if ((${#names[@]} == 0)); then
  for f in "$scripts"/*.script; do names+=("$(basename "$f" .script)"); done
fi
for name in "${names[@]}"; do
  data="$(mktemp -d)"
  "$here/build/app/korvel" replay --dir "$data" "$scripts/$name.script" |
    sed "s|$data|\$DATA|g" > "$scripts/$name.expected"
  rm -rf "$data"
  echo "$scripts/$name.expected"
done
