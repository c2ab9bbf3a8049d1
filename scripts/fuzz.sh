#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang (only the libraries they need) and
# runs each for a while, starting from its seed corpus.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
#   SECONDS: how long each target runs (20 when not given; 5 when CI=true).
#   TARGET:  the targets to run (all when none given).
# KORVEL_FUZZ_BUILD: the build folder (build-clang in the checkout when unset).
# New inputs, crashes and logs go to the build folder's fuzz-work/ and fuzz-artifacts/; the
# seed corpus in the source tree is only read. A crashing input is kept in fuzz-artifacts/
# and the script ends with a non-zero status.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KORVEL_FUZZ_BUILD:-$here/build-clang}"
default_seconds=20
[ "${CI:-}" != "true" ] || default_seconds=5
seconds="${1:-$default_seconds}"
shift || true

KORVEL_EXTRA_PACKAGES="clang" "$here/scripts/setup.sh" --packages-only
if [ ! -f "$build/CMakeCache.txt" ]; then
  CXX=clang++ CC=clang cmake -S "$here" -B "$build" -G Ninja -DKORVEL_FUZZ=ON \
    -DKORVEL_TESTS=OFF -DKORVEL_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only"
fi
cmake --build "$build" --parallel "$(nproc)" --target korvel_fuzzers

targets=("$@")
if ((${#targets[@]} == 0)); then mapfile -t targets < "$build/fuzzers.txt"; fi
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$here/tests/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# One target: new inputs go to its work folder (the first corpus folder), the seeds are only
# read; it runs from the build folder so that nothing lands in the source tree.
run_one() {
  local t="$1" work="$build/fuzz-work/$1" artifacts="$build/fuzz-artifacts/$1/"
  mkdir -p "$work" "$artifacts"
  if (cd "$build" && "$build/tests/fuzz/$t" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=4096 -artifact_prefix="$artifacts" -print_final_stats=1 \
        "$work" "$here/tests/fuzz/corpus/$t" > "$build/fuzz-work/$t.log" 2>&1); then
    echo 0 > "$build/fuzz-work/$t.status"
  else
    echo 1 > "$build/fuzz-work/$t.status"
  fi
}

# As many targets at a time as there are processors.
echo "Fuzzing ${#targets[@]} targets for $seconds s each"
for t in "${targets[@]}"; do
  [ -n "$t" ] || continue
  rm -f "$build/fuzz-work/$t.status"
  while (($(jobs -rp | wc -l) >= $(nproc))); do wait -n || true; done
  run_one "$t" &
done
wait
status=0
for t in "${targets[@]}"; do
  [ -n "$t" ] || continue
  if [ "$(cat "$build/fuzz-work/$t.status" 2>/dev/null)" != 0 ]; then
    echo "$t failed; its log: $build/fuzz-work/$t.log, the input: $build/fuzz-artifacts/$t/"
    tail -n 40 "$build/fuzz-work/$t.log"
    status=1
  else
    echo "$t: $(grep -E "^stat::number_of_executed_units|^stat::new_units_added" \
      "$build/fuzz-work/$t.log" | tr -s ' \n' ' ')"
  fi
done
exit "$status"
