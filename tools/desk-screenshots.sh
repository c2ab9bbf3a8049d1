#!/usr/bin/env bash
# Pictures of the QSO desk: driven with real keys at 800x600, 1024x768 and 1280x1024 in CW with
# a dupe shown, and with a log of a few hundred QSOs, in CW and in SSB, at 1024x768 and
# 1280x1024, drawn by the real program under a virtual X display.
# Usage: tools/desk-screenshots.sh [OUT_DIR] [BUILD_DIR]   (default: ./screenshots, build)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-screenshots}")"
build="$(realpath -m "${2:-$here/build}")"
source "$here/tools/pictures.sh"
need xvfb-run xvfb xauth

# A CQ-WW log: 300 QSOs on 20 m from a mix of countries, then a call being worked.
script() {
  local mode="$1"
  cat "$here/tools/cq-ww-station.script"
  printf 'band 20\nmode %s\n' "$mode"
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

# The real program driven with real keys (xdotool) from its setup screen to a CW desk showing a
# dupe, at 800x600, 1024x768 and 1280x1024. The station comes from the settings files; the rest
# is typed: English, CQ-WW from the contest list with the arrow keys, CW by the PC, START,
# 20 m by its band key, CW, one QSO and the same call again.
command -v xdotool >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y -qq xdotool; }
command -v import >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y -qq imagemagick; }
keyed_desk() {
  local program="$1" app="$2" shot="$3"
  "$program" --dir "$app" > "$app.log" 2>&1 &
  local pid=$!
  local keys=(alt+g shift+Tab Down Down Down Down Down Down Down Down Down Return
              alt+d alt+c ctrl+F3 alt+c
              d l 1 a b c space Return d l 1 a b c space)
  sleep 3
  for k in "${keys[@]}"; do xdotool key "$k"; sleep 0.3; done
  sleep 1
  import -window root "$shot"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
crlf() { printf '%s\r\n' "$@"; }
for size in 800x600 1024x768 1280x1024; do
  app="$work/keyed-$size"
  mkdir -p "$app"
  crlf '"YO9XX"' '"2"' '"Eu"' '"28"' '"YO"' '""' '""' '""' ' 1 ' '""' '""' '""' '""' '""' '""' \
       '""' '""' '""' '"KN34BW"' > "$app/KorvelInit.dat"
  crlf '"CQ TEST #1 #1 TEST"' '"#2 5NN #3"' '"TU #1 #8"' '"#2 QSO B4"' '"AGN"' '"?"' '"#1"' \
       '""' '""' '""' '""' ' 1 ' > "$app/KorvelTextCw.dat"
  xvfb-run -a -s "-screen 0 ${size}x24" bash -c "$(declare -f keyed_desk); keyed_desk \
    '$build/app/korvel' '$app' '$out/desk-keyed-CW-dupe-$size.png'"
  echo "$out/desk-keyed-CW-dupe-$size.png"
done

for mode in CW SSB; do
  script "$mode" > "$work/$mode.script"
  for size in 1024x768 1280x1024; do
    data="$work/data-$mode-$size"
    replay_shot "$size" "$data" "$work/$mode.script" "$out/desk-$mode-$size.png"
  done
done
