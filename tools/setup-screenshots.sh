#!/usr/bin/env bash
# Pictures of the setup screen in each state of its wizard (language, contest, mode, done),
# in English and in Romanian, drawn by the real program under a virtual X display.
# Usage: tools/setup-screenshots.sh [OUT_DIR] [WIDTHxHEIGHT]   (default: ./screenshots 1024x768)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-screenshots}")"
size="${2:-1024x768}"
build="$here/build"
source "$here/tools/pictures.sh"
need xvfb-run xvfb xauth

# The script up to a state of the wizard, for a language ("en" or "ro").
script() {
  local state="$1" language="$2"
  echo "clock 06.12.26 12:00"
  echo "screen setup"
  [ "$state" = language ] && return
  [ "$language" = en ] && echo "click OpbEnglish" || echo "click OpBRomanian"
  printf 'type yo9xx\nkey Enter\n'
  [ "$state" = contest ] && return
  echo "click OpbYODX"
  [ "$state" = mode ] && return
  printf 'click OpbConcurs\ntype bv\nkey Enter\ntype kn34bw\nkey Enter\ntype 2\nkey Enter\n'
  printf 'click OpbCwJ\nclick ChkCwRpt\nclick TxtF1\ntype cq test #1 #1 test\nkey Enter\n'
  printf 'type #2 5nn #3\nkey Enter\ntype tu #1\nkey Enter\nclick TxtMyCall\n'
}

run() {
  local name="$1" state="$2" language="$3"
  script "$state" "$language" > "$work/$name.script"
  replay_shot "$size" "$work/data-$name" "$work/$name.script" "$out/setup-$name-$size.png"
}

run language language en
for language in en ro; do
  for state in contest mode done; do
    run "$state-$language" "$state" "$language"
  done
done
