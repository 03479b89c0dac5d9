#!/usr/bin/env bash
# Builds Brakka and every test with AddressSanitizer (LeakSanitizer included)
# and UndefinedBehaviorSanitizer into build-asan/, then runs the whole suite.
# Any finding stops the test that hit it, so ctest fails.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"

build="$here/build-asan"
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRAKKA_BENCH=OFF \
  "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" --parallel

symbolizer=$(command -v llvm-symbolizer || echo /usr/lib/llvm-14/bin/llvm-symbolizer)
export ASAN_SYMBOLIZER_PATH="$symbolizer"
# intercept_tls_get_addr=0: the sanitizer runtime's own record of dynamic
# TLS blocks goes stale on Debian 12's glibc once enough libraries with TLS
# are loaded (a DTLS range such as 0x648-0x80000174a), and LeakSanitizer's
# tracer then dies scanning it ("Tracer caught signal 11") after every test
# has passed. The blocks themselves are ordinary heap memory and are still
# scanned.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$here/fuzz/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --parallel 2
