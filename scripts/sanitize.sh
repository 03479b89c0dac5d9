#!/usr/bin/env bash
# Builds Brakka and every test with AddressSanitizer (LeakSanitizer included)
# and UndefinedBehaviorSanitizer into build-asan/, then runs the whole suite.
# Any finding stops the test that hit it, so ctest fails.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"

source "$here/scripts/sanitizers.sh"

build="$here/build-asan"
sanitized_configure "$build" address,undefined
cmake --build "$build" --parallel

sanitizer_environment abort_on_error=0 strict_string_checks=1 detect_stack_use_after_return=1 \
  check_initialization_order=1
cd "$build"
ctest --output-on-failure --parallel 2
