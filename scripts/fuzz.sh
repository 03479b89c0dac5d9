#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for
# SECONDS (default 60) on a copy of its seed corpus in fuzz/corpus/ (the
# committed corpus is never changed). Fails when a target finds a crash, a
# leak or a broken invariant; the input that did it is kept in
# build-fuzz/findings/. Prints the inputs run and exec/s of each target.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_settings fuzz_grid)
bash "$here/scripts/setup.sh"

build="$here/build-fuzz"
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -O1"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DBRAKKA_BENCH=OFF -DBRAKKA_FUZZ=ON "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" --parallel --target "${targets[@]}"

symbolizer=$(command -v llvm-symbolizer || echo /usr/lib/llvm-14/bin/llvm-symbolizer)
export ASAN_SYMBOLIZER_PATH="$symbolizer"
# intercept_tls_get_addr=0: the sanitizer runtime's own record of dynamic
# TLS blocks goes stale on Debian 12's glibc once enough libraries with TLS
# are loaded (a DTLS range such as 0x648-0x80000174a), and LeakSanitizer's
# tracer then dies scanning it ("Tracer caught signal 11") after every test
# has passed. The blocks themselves are ordinary heap memory and are still
# scanned.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$here/fuzz/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen

findings="$build/findings"
mkdir -p "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=()
summary=()
for t in "${targets[@]}"; do
  mkdir -p "$work/$t/artifacts"
  cp -r "$here/fuzz/corpus/$t" "$work/$t/corpus"
  options=(-max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 -print_final_stats=1
           -artifact_prefix="$work/$t/artifacts/")
  [ -f "$here/fuzz/$t.dict" ] && options+=(-dict="$here/fuzz/$t.dict")
  echo "== $t: ${seconds}s"
  status=0
  (cd "$work/$t" && "$build/fuzz/$t" "${options[@]}" corpus) >"$work/$t/log" 2>&1 || status=$?
  # "Done N runs in S second(s)"; libFuzzer's own exec/s is rounded down to
  # a whole number, which says 0 for the slower targets.
  done_line=$(grep -E '^Done [0-9]+ runs in [0-9]+ second' "$work/$t/log" | tail -1 || true)
  if [ -n "$done_line" ]; then
    summary+=("$t: $(echo "$done_line" | awk '{ s = $5 > 0 ? $5 : 1; printf "%d inputs in %d s, %.2f exec/s", $2, $5, $2 / s }')")
  else
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$t/log" | tail -1)
    summary+=("$t: ${runs:-?} inputs (stopped early)")
  fi
  if [ $status -ne 0 ] || ls "$work/$t/artifacts/"* >/dev/null 2>&1; then
    failed+=("$t")
    tail -n 80 "$work/$t/log"
    cp "$work/$t/artifacts/"* "$findings/" 2>/dev/null || true
    echo "$t failed (exit $status); inputs kept in $findings"
  fi
done
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found problems in: ${failed[*]}"
  exit 1
fi
