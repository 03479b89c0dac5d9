#!/usr/bin/env bash
# Installs what is missing, builds Brakka and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh"
exec "$here/build/brakka"
