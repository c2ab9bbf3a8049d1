#!/bin/sh
# Runs TOOL with its arguments, or skips the test (exit status 77) when TOOL is not installed.
# Usage: with_tool.sh DEBIAN_PACKAGE TOOL [ARGUMENTS...]
package=$1
shift
if ! command -v "$1" >/dev/null 2>&1; then
  echo "skipped: $1 is not installed (Debian package $package)"
  exit 77
fi
exec "$@"
