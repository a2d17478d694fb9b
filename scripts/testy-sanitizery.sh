#!/usr/bin/env bash
# Builds the program and its tests with the address and undefined-behaviour sanitizers in
# build-san/ and runs every test with leak checking; any report fails the run. Warnings do not
# stop this build: with the sanitizers' instrumentation GCC warns of array bounds and
# uninitialised values where there are none (the metafile reader of the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DQERN_WERROR=OFF >/dev/null
cmake --build build-san -j"$(nproc)"
cd build-san
ctest --output-on-failure -j"$(nproc)"
