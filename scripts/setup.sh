#!/usr/bin/env bash
# Installs what Brakka needs to build, test and run on Debian 12, and nothing else.
# Runs apt-get only when something is missing; as a normal user it uses sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-multimedia-dev qt6-svg-dev
  poppler-utils
  qt6-image-formats-plugins qt6-qpa-plugins qt6-translations-l10n
  libgl-dev libbenchmark-dev libglib2.0-dev libical-dev python3-icalendar
  librsvg2-bin desktop-file-utils appstream lintian
  fonts-liberation fonts-dejavu-core
  xvfb xauth x11-apps x11-utils xdotool imagemagick openbox
  at-spi2-core python3-pyatspi dbus dbus-x11 libxcb1-dev
  clang clang-14 libclang-rt-14-dev llvm-14
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
