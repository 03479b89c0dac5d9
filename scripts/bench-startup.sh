#!/usr/bin/env bash
# Whole start-up to the first paint: Brakka on a whole saved tournament
# (docs/screenshot.ini) against a bare Qt program with the same controls,
# each run N times; prints the medians and their ratio.
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

median_ms() {   # the median of the numbers (in ns) on stdin, in ms
  sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1e6 }'
}

if command -v hyperfine >/dev/null; then
  hyperfine --shell=none --warmup 3 --runs "$runs" --export-json "$workdir/times.json" \
    --command-name brakka "$workdir/startup_brakka" \
    --command-name bare "$workdir/startup_bare '$census'" >&2
  brakka=$(jq -r '.results[] | select(.command == "brakka") | .times[] * 1e9' "$workdir/times.json" | median_ms)
  bare=$(jq -r '.results[] | select(.command == "bare") | .times[] * 1e9' "$workdir/times.json" | median_ms)
  # Processor time (user + system, means) does not grow when the machine is busy.
  jq -r '[.results[] | {(.command): ((.user + .system) * 1000)}] | add
         | "mean processor time: brakka \(.brakka * 10 | round / 10) ms, bare Qt \(.bare * 10 | round / 10) ms, ratio \(.brakka / .bare * 100 | round / 100)"' \
    "$workdir/times.json"
else
  : >"$workdir/brakka.ns"
  : >"$workdir/bare.ns"
  for ((i = 0; i < runs; ++i)); do
    t0=$(date +%s%N); "$workdir/startup_brakka"; t1=$(date +%s%N)
    echo $((t1 - t0)) >>"$workdir/brakka.ns"
    t0=$(date +%s%N); "$workdir/startup_bare" "$census"; t1=$(date +%s%N)
    echo $((t1 - t0)) >>"$workdir/bare.ns"
  done
  brakka=$(median_ms <"$workdir/brakka.ns")
  bare=$(median_ms <"$workdir/bare.ns")
fi
echo "median start-up to first paint: brakka $brakka ms, bare Qt $bare ms, ratio $(awk -v a="$brakka" -v b="$bare" 'BEGIN { printf "%.2f", a / b }')"
