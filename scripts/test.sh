#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
#   scripts/test.sh             in build/
#   scripts/test.sh --sanitize  in build-sanitize/, built with AddressSanitizer and UBSan: every
#                               test, the real program included, runs under them
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
if [[ "${1:-}" != "--sanitize" ]]; then
    scripts/build.sh
    cd build
    ctest --output-on-failure -j"$(nproc)" --timeout 600
    exit
fi

# One build at -O1 (fast enough to run, quick to build) with assertions on, through ccache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
      -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
      -DTAVO_WERROR="$werror" >/dev/null
cmake --build build-sanitize -j"$(nproc)"
# Leaks inside system libraries are theirs (scripts/sanitizer-leaks.supp); any other leak, bad
# access or undefined behaviour fails the test that met it.
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/sanitizer-leaks.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-sanitize
ctest --output-on-failure -j"$(nproc)" --timeout 900
