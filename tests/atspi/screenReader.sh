#!/usr/bin/env bash
# Brakka read over AT-SPI as a screen reader reads it, on a display and a D-Bus
# session of its own. Exit 77 (skipped) says why it cannot run.
set -uo pipefail
skip() { echo "SKIPPED: $*"; exit 77; }
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
n=150
while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
export DISPLAY=:$n WORK=$(mktemp -d) READER=$(cd "$(dirname "$0")" && pwd)/readGrid.py
# What the program writes for its user (recovery file, lock, configuration)
# stays in the work folder.
export XDG_STATE_HOME=$WORK/state HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config \
  XDG_CACHE_HOME=$WORK/home/.cache XDG_DATA_HOME=$WORK/home/.local/share
mkdir -p "$HOME"
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$WORK"' EXIT
Xvfb :$n -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
[ -e /tmp/.X11-unix/X$n ] || skip "Xvfb did not start"
command -v openbox >/dev/null && { openbox >/dev/null 2>&1 & sleep 1; }
cp "$1" "$WORK/brakka"   # its options chosen, no scores
printf '[PREFERENCES]\r\nLanguage=0\r\nFavorite=0\r\nTimeZone=0\r\nGMT=x35\r\nFirstTime=0\r\n' >"$WORK/Brakka.ini"
# Qt's bridge stays off with AT_SPI_BUS_ADDRESS set: the program starts without it.
timeout 150 dbus-run-session -- bash -c '
  unset AT_SPI_BUS_ADDRESS
  dbus-send --session --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true || { echo "SKIPPED: no AT-SPI bus"; exit 77; }
  cd "$WORK"; QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ./brakka >log 2>&1 &
  /usr/bin/python3 "$READER" $!; status=$?
  kill %1; [ $status = 1 ] && cat "$WORK/log"; exit $status' 2>/dev/null
