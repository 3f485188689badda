#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in a plain build with
# warnings as errors, and under AddressSanitizer and UndefinedBehaviorSanitizer; then fuzzes
# the text-number conversions for FUZZ_SECONDS (60). Tests run on Qt's offscreen platform:
# no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DCHEMENG_WERROR=ON "$@"
    cmake --build "$dir" --parallel
    ctest --test-dir "$dir" --output-on-failure
}

run_suite build-test
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_suite build-sanitize -DCHEMENG_SANITIZE=ON

# Coverage-guided fuzzing with clang's libFuzzer; the corpus grows in build-fuzz/corpus.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DCHEMENG_FUZZ=ON -DCHEMENG_SANITIZE=ON -DCHEMENG_WERROR=ON
cmake --build build-fuzz --target fuzz_numtext --parallel
mkdir -p build-fuzz/corpus
build-fuzz/fuzz/fuzz_numtext -max_total_time="${FUZZ_SECONDS:-60}" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/seeds
