#!/usr/bin/env bash
# Installs what is missing, builds Brakka and runs every test (no display needed).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh"
cd "$here/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2
