#!/usr/bin/env bash
# Makes the wall chart the way a user does, on a virtual screen: Brakka on
# the tournament of docs/screenshot.ini, File > Wall chart…, a PDF file
# named in the save dialog; then the PDF rendered as a PNG with pdftoppm.
# Usage: scripts/wall-chart.sh [build-dir] [output.png] [locale]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
out=${2:-$here/docs/wall-chart.png}
locale=${3:-en_GB.UTF-8}
display=:96

Xvfb $display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
brakka=
workdir=$(mktemp -d)
trap 'kill $brakka $wm $xvfb 2>/dev/null || true; rm -rf "$workdir"' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1

cp "$build/brakka" "$workdir/"
cp "$here/docs/screenshot.ini" "$workdir/Brakka.ini"
DISPLAY=$display LC_ALL=$locale HOME=$workdir "$workdir/brakka" &
brakka=$!
sleep 3
export DISPLAY=$display
xdotool key alt+f
sleep 0.5
xdotool key w
sleep 2
# The save dialog's file name: the whole path, typed over the name it offers.
xdotool key ctrl+a
xdotool type --delay 20 "$workdir/chart.pdf"
xdotool key Return
for _ in $(seq 50); do
  [ -s "$workdir/chart.pdf" ] && break
  sleep 0.2
done
[ -s "$workdir/chart.pdf" ] || { echo "no chart was written" >&2; exit 1; }
mkdir -p "$(dirname "$out")"
pdftoppm -png -singlefile -scale-to-x 1754 -scale-to-y -1 "$workdir/chart.pdf" "${out%.png}"
echo "wrote $out"
