#!/usr/bin/env bash
# Pictures of the QSO desk with a log of a few hundred QSOs, in CW and in SSB, at 1024x768 and
# 1280x1024, drawn by the real program under a virtual X display.
# Usage: tools/desk-screenshots.sh [OUT_DIR]   (default: ./screenshots)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-screenshots}")"
mkdir -p "$out"
command -v xvfb-run >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y -qq xvfb xauth; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A CQ-WW log: 300 QSOs on 20 m from a mix of countries, then a call being worked.
script() {
  local mode="$1"
  cat <<EOS
set ContestCode 201
set MyCall YO9XX
set MyPrfx YO
set MyCont Eu
set MyZone 28
set MyCQZone 20
set MyQRA KN34BW
set CwByPc 100
set CwTextF1 CQ TEST #1
set CwTextF2 #2 5NN #3
set CwTextF3 TU #1
clock 06.12.26 12:00
band 20
mode $mode
EOS
  local prefixes=(DL OK HA SP UA9 W K JA VK PY LU ZS G F I EA OH SM LZ YU)
  for i in $(seq 1 300); do
    local p=${prefixes[$((i % ${#prefixes[@]}))]}
    local digit=$(( (i / ${#prefixes[@]}) % 10 ))
    case "$p" in UA9) echo "type ${p}$(printf '%c' $((65 + i % 26)))$(printf '%c' $((65 + (i / 26) % 26)))" ;;
                  *) echo "type ${p}${digit}$(printf '%c' $((65 + i % 26)))$(printf '%c' $((65 + (i / 26) % 26)))" ;; esac
    echo "key Space"
    echo "key Enter"
  done
  echo "type ja1xyz"
  echo "key Space"
}

for mode in CW SSB; do
  script "$mode" > "$work/$mode.script"
  for size in 1024x768 1280x1024; do
    data="$work/data-$mode-$size"
    xvfb-run -a -s "-screen 0 ${size}x24" "$here/build/app/korvel" replay --dir "$data" \
      "$work/$mode.script" --screenshot "$out/desk-$mode-$size.png" > /dev/null
    echo "$out/desk-$mode-$size.png"
  done
done
