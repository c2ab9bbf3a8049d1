#!/usr/bin/env bash
# Pictures of the QSO desk with the station around it: the radio's frequency above the
# entry and the band map of DX spots marked dupe (grey), new multiplier (red) and new QSO
# (black), with the cluster console. The real program replays a CQ-WW session under a
# virtual X display at 1024x768 (and 800x600, where the band map is folded away); the
# radio's readings and the node's lines reach the desk as rig control and the telnet
# cluster hand them over.
# Usage: tools/station-screenshots.sh [OUT_DIR] [BUILD_DIR]   (default: ./screenshots build)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-screenshots}")"
build="$(realpath -m "${2:-$here/build}")"
source "$here/tools/pictures.sh"
need xvfb-run xvfb xauth

# A few QSOs on 20 m, the radio moved from 80 m SSB to 14.0253 MHz CW, then the node's
# spots: worked calls (dupes), new zones or countries (new multipliers) and calls whose zone
# and country are worked (new QSOs).
{ cat "$here/tools/cq-ww-station.script"; cat <<'EOS'
band 80
mode SSB
radio 14025300 CW
type dl1abc
key Space
key Enter
type ok1abc
key Space
key Enter
type ha5abc
key Space
key Enter
cluster Welcome to the test node, DXSpider
cluster DX de OH2XX:     14002.0  OK1ABC       CQ                             1158Z
cluster DX de OH2XX:     14010.5  DL2XYZ       5NN                            1159Z
cluster DX de W3LPL:     14021.0  JA1ABC       up 1                           1200Z
cluster DX de DL0ABC-#:  14025.1  HA5ABC       CW 24 dB 28 WPM CQ             1200Z
cluster DX de SM5XX:     14031.5  VK2ABC                                      1201Z
cluster DX de G4XX:      14044.0  DL7XX        TEST                           1201Z
cluster DX de K1TTT:      7012.0  JA1ABC                                      1202Z
cluster WWV de W0MU <18>:   SFI=150, A=5, K=1, No Storms -> No Storms
type dl2xyz
EOS
} > "$work/station.script"

for size in 1024x768 800x600; do
  height=${size#*x}
  data="$work/data-$size"
  replay_shot "$size" "$data" <(sed "1i set ScreenHeightPx $height" "$work/station.script") \
    "$out/station-$size.png"
done
