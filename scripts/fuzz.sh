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
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_profile fuzz_settings fuzz_grid fuzz_engine fuzz_import)
bash "$here/scripts/setup.sh"

source "$here/scripts/sanitizers.sh"

# The window targets, and the results files' readers (fuzz_import, the core
# library alone), run under AddressSanitizer and UndefinedBehaviorSanitizer.
# The engine's target runs hundreds of times as many inputs: it has a build
# of its own under UndefinedBehaviorSanitizer, with the standard library's
# bounds checks standing in for AddressSanitizer's. Of UBSan's checks it
# leaves out those that cost most and find least on values: a null or
# misaligned pointer (a null one still crashes, and libFuzzer reports it),
# object sizes (without AddressSanitizer's shadow), pointer arithmetic's
# overflow and the dynamic-type checks. The sanitizer suite runs every
# test under all of them.
build="$here/build-fuzz"
engine_build="$here/build-fuzz-engine"
window_targets=()
for t in "${targets[@]}"; do
  [ "$t" = fuzz_engine ] || window_targets+=("$t")
done
build_of() { [ "$1" = fuzz_engine ] && echo "$engine_build" || echo "$build"; }
if [ ${#window_targets[@]} -gt 0 ]; then
  CC=clang CXX=clang++ sanitized_configure "$build" fuzzer-no-link,address,undefined -DBRAKKA_FUZZ=ON
  cmake --build "$build" --parallel --target "${window_targets[@]}"
fi
if [ ${#window_targets[@]} -lt ${#targets[@]} ]; then
  CC=clang CXX=clang++ cmake -S "$here" -B "$engine_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBRAKKA_BENCH=OFF -DBRAKKA_FUZZ=ON -DBRAKKA_FUZZ_OPTIMIZE=-O3 \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,undefined -fno-sanitize=alignment,null,object-size,pointer-overflow,vptr,function -fno-sanitize-coverage=trace-cmp -fsanitize-coverage-ignorelist=$here/fuzz/fuzz_engine.ignore -fno-sanitize-recover=all -D_GLIBCXX_ASSERTIONS -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=undefined" >/dev/null
  cmake --build "$engine_build" --parallel --target fuzz_engine
fi

sanitizer_environment

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
  (cd "$work/$t" && "$(build_of "$t")/fuzz/$t" "${options[@]}" corpus) >"$work/$t/log" 2>&1 || status=$?
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
