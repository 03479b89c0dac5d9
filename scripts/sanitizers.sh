# Sourced by sanitize.sh and fuzz.sh: how a sanitized build is configured and
# the environment its programs run in. Expects $here, the source folder.

# sanitized_configure BUILD SANITIZERS [CMAKE-ARGUMENT...]
# Configures a Debug build in BUILD, compiled with -fsanitize=SANITIZERS and
# linked with AddressSanitizer and UndefinedBehaviorSanitizer.
sanitized_configure() {
  local build=$1 sanitizers=$2
  shift 2
  local launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRAKKA_BENCH=OFF -DBRAKKA_TEST_TIMEOUT=1800 \
    "${launcher[@]}" "$@" \
    -DCMAKE_CXX_FLAGS="-fsanitize=$sanitizers -fno-sanitize-recover=all -fno-omit-frame-pointer -O1" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
}

# sanitizer_environment [ASAN-OPTION...]
# Exports what the sanitized programs need: the symbolizer, the sanitizers'
# options (the given AddressSanitizer options added) and the offscreen
# platform.
sanitizer_environment() {
  local symbolizer
  symbolizer=$(command -v llvm-symbolizer || echo /usr/lib/llvm-14/bin/llvm-symbolizer)
  export ASAN_SYMBOLIZER_PATH="$symbolizer"
  local extra=""
  [ $# -eq 0 ] || extra=$(IFS=:; echo ":$*")
  # intercept_tls_get_addr=0: the sanitizer runtime's own record of dynamic
  # TLS blocks goes stale on Debian 12's glibc once enough libraries with TLS
  # are loaded (a DTLS range such as 0x648-0x80000174a), and LeakSanitizer's
  # tracer then dies scanning it ("Tracer caught signal 11") after every test
  # has passed. The blocks themselves are ordinary heap memory and are still
  # scanned.
  export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1$extra:intercept_tls_get_addr=0"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$here/fuzz/lsan.supp:print_suppressions=0"
  export QT_QPA_PLATFORM=offscreen
  # Sanitized programs run several times slower: a test function that takes
  # a minute or two in the ordinary build needs more than QtTest's five.
  export QTEST_FUNCTION_TIMEOUT=1200000
}
