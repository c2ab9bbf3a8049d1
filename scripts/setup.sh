#!/usr/bin/env bash
# Installs the Debian 12 packages Korvel needs (with sudo when not root) and builds it.
# Usage: scripts/setup.sh [BUILD_DIR] [extra cmake arguments...]
#        scripts/setup.sh --packages-only
# KORVEL_EXTRA_PACKAGES: more Debian packages to install (blank-separated).
# KORVEL_BUILD_TARGETS: the targets to build (blank-separated); everything when unset.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shift || true

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-multimedia-dev qt6-charts-dev
  libqt6sql6-sqlite hamradio-files
  libhamlib-dev libhamlib-utils
  libgtest-dev libgmock-dev libbenchmark-dev python3-venv
  # The printouts' font where Arial is missing; pdftotext and pdftoppm read printouts back.
  fonts-liberation poppler-utils
)
read -r -a extra <<<"${KORVEL_EXTRA_PACKAGES:-}"
packages+=("${extra[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

# Node and npm run the independent ADIF check only: installed when missing, and a machine
# whose Node came from elsewhere (with its own npm) keeps it. A failure only skips that check.
if ! command -v npm >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq nodejs npm ||
    echo "The ADIF check will be skipped: Node and npm could not be installed."
fi

[ "$build" != "--packages-only" ] || exit 0

cmake -S "$here" -B "$build" -G Ninja "$@"

# The independent check of the Cabrillo files runs the "cabrillo" package of the Python
# package index in a virtual environment of the build folder. Without Python or without the
# package index that test is skipped and says why; the build goes on.
venv="$build/cabrillo-venv"
if ! "$venv/bin/python3" -c 'import cabrillo' 2>/dev/null; then
  { python3 -m venv "$venv" && "$venv/bin/pip" install --quiet --retries 1 --timeout 15 cabrillo; } ||
    echo "The Cabrillo check will be skipped: the cabrillo package could not be installed."
fi
# The independent check of the ADIF files reads them with the strict reader of the "tcadif"
# package of the npm registry, installed into the build folder; without it that test is
# skipped and says why.
npmdir="$build/npm"
if [ ! -f "$npmdir/node_modules/tcadif/package.json" ]; then
  { mkdir -p "$npmdir" && npm install --prefix "$npmdir" --no-audit --no-fund --silent tcadif; } ||
    echo "The ADIF check will be skipped: the tcadif package could not be installed."
fi
targets=()
for t in ${KORVEL_BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
