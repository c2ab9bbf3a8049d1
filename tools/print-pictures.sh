#!/usr/bin/env bash
# Pictures of the printouts: a CQ-WW log of a few hundred QSOs printed from the review screen
# (P&RINT_LOG, Lo&g Gen.) and its summary sheet (&Summary), each written by a replayed session
# into a PDF file of the data folder, then every page drawn as a PNG with pdftoppm.
# Usage: tools/print-pictures.sh [OUT_DIR] [BUILD_DIR]   (default: ./screenshots ./build)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-screenshots}")"
build="$(realpath -m "${2:-$here/build}")"
source "$here/tools/pictures.sh"
need pdftoppm poppler-utils

# From program start: the station, CQ-WW, 250 QSOs over four bands, then the review screen.
{
  printf 'clock 06.12.26 12:00\nscreen setup\nclick OpbEnglish\ntype yo9xx\nkey Enter\n'
  printf 'click OpBCQWW\nclick TxtTime\ntype 2\nkey Enter\nclick txtMyQRA\ntype kn34bw\nkey Enter\n'
  printf 'click mnuQSOfahren\nmode CW\n'
  prefixes=(DL OK HA SP UA9 W K JA VK PY LU ZS G F I EA OH SM LZ YU)
  bands=(20 40 15 80)
  for i in $(seq 1 250); do
    (( i % 63 == 1 )) && echo "band ${bands[$(( i / 63 ))]}"
    printf 'clock 06.12.26 %02d:%02d\n' $(( 12 + i / 60 )) $(( i % 60 ))
    p=${prefixes[$((i % ${#prefixes[@]}))]}
    digit=$(( (i / ${#prefixes[@]}) % 10 ))
    suffix="$(printf "\\$(printf '%03o' $((65 + i % 26)))\\$(printf '%03o' $((65 + (i / 26) % 26)))")"
    case "$p" in UA9) echo "type ${p}${suffix}" ;; *) echo "type ${p}${digit}${suffix}" ;; esac
    printf 'key Space\nkey Enter\n'
  done
  printf 'click mnuAnfang\nscreen review\n'
  # The whole log printed, then the summary sheet with its station lines.
  printf 'click mnuLOGDrucken\nanswer Yes\nclick OpbDLogGen\n'
  printf 'click mnuLOGDrucken\nclick OpBDSumm\ntype sector 1\nkey Enter\ntype ion popescu\nkey Enter\n'
  printf 'type 2\nkey Enter\ntype bucuresti\nkey Enter\ntype str. lunga 1\nkey Enter\n'
  printf 'type ft-1000\nkey Enter\ntype ft-1000\nkey Enter\ntype yagi 3el\nkey Enter\n'
  printf 'type dipol 80\nkey Enter\nkey Enter\nkey Enter\ntype yo dx club\nkey Enter\n'
  printf 'answer Yes\nclick CmdGata\n'
} > "$work/print.script"

"$build/app/korvel" replay --dir "$work/data" "$work/print.script" | grep -i 'pdf\|printed' || true
shopt -s nullglob
for pdf in "$work"/data/LOG/*.pdf "$work"/data/log/*.pdf; do
  name="$(basename "$pdf" .pdf | tr ' ' '_')"
  pdftoppm -r 80 -png "$pdf" "$out/print-$name"
done
ls "$out"/print-*.png
