#!/usr/bin/env bash
# Takes a screenshot of Brakka's main window on a 1280 x 1024 virtual screen.
# Usage: scripts/screenshot.sh [build-dir] [output.png]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
out=${2:-$here/docs/main-window.png}
display=:97

Xvfb $display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $brakka $wm $xvfb 2>/dev/null || true' EXIT
sleep 1
# A window manager, so that the window opens maximised as on a desktop.
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1

# A settings folder of its own, so that the screenshot shows a known state.
workdir=$(mktemp -d)
cp "$build/brakka" "$workdir/"
[ -f "$here/docs/screenshot.ini" ] && cp "$here/docs/screenshot.ini" "$workdir/Brakka.ini"
DISPLAY=$display "$workdir/brakka" &
brakka=$!
sleep 3
mkdir -p "$(dirname "$out")"
DISPLAY=$display import -window root "$out"
echo "wrote $out"
