#!/usr/bin/env bash
# Pictures of what the desk shows beside its tallies and its log grid during a pile-up (the
# claimed score, the rate, the next serial and the super check partial list), at 1024x768
# and 800x600, and of the review screen's rate chart, drawn by the real program under a
# virtual X display. The super check list is MASTER.SCP of hamradio-files when installed.
# Usage: tools/figures-screenshots.sh [OUT_DIR] [BUILD_DIR]   (default: ./screenshots, build)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-screenshots}")"
build="$(realpath -m "${2:-$here/build}")"
source "$here/tools/pictures.sh"
need xvfb-run xvfb xauth
need xdotool xdotool
need import imagemagick

# CQ-WPX from the setup screen: a pile-up of 240 QSOs over five hours on three bands, a few
# a minute at first and fewer later, then part of a logged call typed. The calls are taken
# from the super check list when there is one, so that the list marks those in the log.
scp=/usr/share/hamradio-files/MASTER.SCP
calls=()
if [ -r "$scp" ]; then
  mapfile -t calls < <(grep -v '^#' "$scp" | awk 'NR % 350 == 7' | head -240)
fi
call() {
  local i="$1"
  if ((${#calls[@]} > i)); then echo "${calls[$i]}"; return; fi
  local prefixes=(DL OK HA SP UA9 W K JA VK PY LU ZS G F I EA OH SM LZ YU)
  local p=${prefixes[$((i % ${#prefixes[@]}))]}
  printf '%s%d%b%b\n' "$p" $(( (i / ${#prefixes[@]}) % 10 )) \
    "\\$(printf '%03o' $((65 + i % 26)))" "\\$(printf '%03o' $((65 + (i / 26) % 26)))"
}
pileup() {
  printf 'clock 06.12.26 12:00\nscreen setup\nclick OpbEnglish\ntype yo9xx\nkey Enter\n'
  printf 'click OpBWPX\nclick TxtTime\ntype 2\nkey Enter\nclick txtMyQRA\ntype kn34bw\nkey Enter\n'
  printf 'click mnuQSOfahren\nmode CW\n'
  local bands=(20 40 80)
  local minute=0
  for i in $(seq 1 240); do
    (( i % 80 == 1 )) && echo "band ${bands[$(( i / 80 ))]}"
    minute=$(( minute + (i < 120 ? 1 : 2) - (i % 3 == 0 ? 1 : 0) ))
    printf 'clock 06.12.26 %02d:%02d\n' $(( 12 + minute / 60 )) $(( minute % 60 ))
    printf 'type %s\nkey Space\ntype %d\nkey Enter\n' "$(call "$i")" "$i"
  done
  printf 'clock 06.12.26 %02d:%02d\n' $(( 12 + (minute + 1) / 60 )) $(( (minute + 1) % 60 ))
}

# The desk in the middle of the pile-up, four characters of a logged call typed: the log's
# partial calls and the super check list beside them.
typed="$(call 230)"
{ pileup; printf 'type %s\n' "${typed:0:4}"; } > "$work/desk.script"
for size in 1024x768 800x600; do
  data="$work/desk-$size"
  replay_shot "$size" "$data" "$work/desk.script" "$out/figures-desk-$size.png"
done

# The rate chart: the same log, back on the setup screen; the real program opened on it,
# CQ-WPX chosen, LOG and RATE CHART clicked.
{ pileup; printf 'click mnuAnfang\n'; } > "$work/log.script"
data="$work/chart"
"$build/app/korvel" replay --dir "$data" "$work/log.script" > /dev/null
chart() {
  local program="$1" app="$2" shot="$3"
  "$program" --dir "$app" > "$app.log" 2>&1 &
  local pid=$!
  sleep 3
  # English, CQ-WPX clicked in the contest list (the settings files keep the station), LOG.
  xdotool mousemove 368 91 click 1
  sleep 1
  xdotool mousemove 519 135 click 1
  sleep 1
  xdotool mousemove 176 8 click 1
  sleep 2
  xdotool mousemove 500 8 click 1 # RATE CHART
  sleep 2
  import -window root "$shot"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$(declare -f chart); chart \
  '$build/app/korvel' '$data' '$out/figures-rate-chart.png'"
echo "$out/figures-rate-chart.png"
