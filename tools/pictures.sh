# Sourced by the picture scripts once they have set `here`, `out` and `build`: makes the
# output folder and a work folder removed at exit, and offers `need COMMAND PACKAGE...`, which
# installs a missing tool, and `replay_shot SIZE DATA SCRIPT PNG`, which replays a key script
# in the real program under a virtual X display of SIZE (e.g. 1024x768) on the data folder
# DATA and saves its window as PNG.
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

need() {
  command -v "$1" >/dev/null && return
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y -qq "${@:2}"
}

replay_shot() {
  xvfb-run -a -s "-screen 0 $1x24" "$build/app/korvel" replay --dir "$2" "$3" \
    --screenshot "$4" > /dev/null
  echo "$4"
}
