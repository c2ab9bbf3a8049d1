#!/usr/bin/env bash
# Pictures of the log review screen with a CQ-WW log of a few hundred QSOs, drawn by the real
# program under a virtual X display: the 20 m view, the Cabrillo panel with its pick list, the
# written file, the STF panel and the country table.
# Usage: tools/review-screenshots.sh [OUT_DIR] [WIDTHxHEIGHT] [BUILD_DIR]
#        (default: ./screenshots 1024x768 ./build)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-screenshots}")"
size="${2:-1024x768}"
build="$(realpath -m "${3:-$here/build}")"
source "$here/tools/pictures.sh"
need xvfb-run xvfb xauth

# From program start: the station, CQ-WW, 300 QSOs over four bands and back to the setup
# screen.
log() {
  printf 'clock 06.12.26 12:00\nscreen setup\nclick OpbEnglish\ntype yo9xx\nkey Enter\n'
  printf 'click OpBCQWW\nclick TxtTime\ntype 2\nkey Enter\nclick txtMyQRA\ntype kn34bw\nkey Enter\n'
  printf 'click mnuQSOfahren\nmode CW\n'
  local prefixes=(DL OK HA SP UA9 W K JA VK PY LU ZS G F I EA OH SM LZ YU)
  local bands=(20 40 15 80)
  for i in $(seq 1 300); do
    (( i % 75 == 1 )) && echo "band ${bands[$(( i / 75 ))]}"
    printf 'clock 06.12.26 %02d:%02d\n' $(( 12 + i / 60 )) $(( i % 60 ))
    local p=${prefixes[$((i % ${#prefixes[@]}))]}
    local digit=$(( (i / ${#prefixes[@]}) % 10 ))
    local suffix
    suffix="$(printf "\\$(printf '%03o' $((65 + i % 26)))\\$(printf '%03o' $((65 + (i / 26) % 26)))")"
    case "$p" in UA9) echo "type ${p}${suffix}" ;; *) echo "type ${p}${digit}${suffix}" ;; esac
    printf 'key Space\nkey Enter\n'
  done
  printf 'click mnuAnfang\n'
}

shot() {
  local name="$1"
  { log; cat; } > "$work/$name.script"
  replay_shot "$size" "$work/data-$name" "$work/$name.script" "$out/review-$name-$size.png"
}

printf 'screen review\nclick mnuLogAnzeigen\nclick OpB20\nrow 12\n' | shot band-view
printf 'screen review\nclick mnucabrillo\nclick TxtCategOp\nclick ListCbr:SINGLE-OP\nclick TxtCategStat\n' |
  shot cabrillo
printf 'screen review\nclick mnucabrillo\nclick TxtContest\nclick ListCbr:CQ-WW-CW\nanswer Yes\nanswer Yes\nclick CmdGata\n' |
  shot cabrillo-file
# CQ-WW has no STF file: the same log is handed in as one of a contest that has.
printf 'set ContestCode 212\nset ContestName OK-OM DX Contest \nscreen review\nclick mnuFormatSTF\n' | shot stf
printf 'screen review\nclick mnuLogAnzeigen\ndblclick OpBDXCC\n' | shot country-table
