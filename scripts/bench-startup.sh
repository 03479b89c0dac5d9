#!/usr/bin/env bash
# Whole start-up to the first paint: Brakka on a whole saved tournament
# (docs/screenshot.ini) against a bare Qt program with the same controls,
# N times in turn; prints the medians and the median ratio of the pairs.
# Usage: scripts/bench-startup.sh [build-dir] [runs] [offscreen]
# Without "offscreen" both run on a virtual X screen with a window manager
# (Xvfb and openbox), maximised as on a desktop.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-rel}
runs=${2:-30}
mode=${3:-x11}

for exe in startup_brakka startup_bare; do
  if [ ! -x "$build/bench/$exe" ]; then
    echo "missing $build/bench/$exe: build with -DBRAKKA_BENCH=ON (target $exe)" >&2
    exit 2
  fi
done

workdir=$(mktemp -d)
mkdir -m 700 "$workdir/run"
export XDG_RUNTIME_DIR=$workdir/run
# The lock each start takes, and its recovery files, stay in the work folder.
export XDG_STATE_HOME=$workdir/state
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$workdir"
}
trap cleanup EXIT

if [ "$mode" = offscreen ]; then
  export QT_QPA_PLATFORM=offscreen
else
  display=:$((90 + RANDOM % 9))
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  DISPLAY=$display openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  export DISPLAY=$display QT_QPA_PLATFORM=xcb
fi

# The program reads Brakka.ini from its own folder.
cp "$build/bench/startup_brakka" "$build/bench/startup_bare" "$workdir/"
cp "$here/docs/screenshot.ini" "$workdir/Brakka.ini"
census=$(BRAKKA_PRINT_CENSUS=1 "$workdir/startup_brakka")
echo "census (line edits, labels, buttons, frames, menus, menu items): $census"

median() {   # the median of the numbers on stdin, with two decimals
  sort -g | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.2f", m }'
}

# The two programs in turn, after a few runs of each to warm the caches:
# a machine that gets busier or quieter during the runs slows or speeds both
# alike, and each pair gives a ratio of its own.
for ((i = 0; i < 3; ++i)); do
  "$workdir/startup_brakka"
  "$workdir/startup_bare" "$census"
done
: >"$workdir/times"
for ((i = 0; i < runs; ++i)); do
  # Microseconds from bash itself: no process is started to read the clock.
  t0=${EPOCHREALTIME/./}; "$workdir/startup_brakka"; t1=${EPOCHREALTIME/./}
  "$workdir/startup_bare" "$census"; t2=${EPOCHREALTIME/./}
  echo "$(((t1 - t0))) $(((t2 - t1)))" >>"$workdir/times"
done
brakka=$(awk '{ print $1 / 1000 }' "$workdir/times" | median)
bare=$(awk '{ print $2 / 1000 }' "$workdir/times" | median)
ratio=$(awk '{ print $1 / $2 }' "$workdir/times" | median)
echo "median start-up to first paint over $runs pairs: brakka $brakka ms, bare Qt $bare ms;" \
     "median ratio of the pairs $ratio"
