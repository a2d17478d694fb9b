#!/usr/bin/env bash
# Builds the program, its tests and the sample database (build/DATA/). QERN_WERROR=ON (as CI
# sets it) makes any compiler warning in the project's own code stop the build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQERN_WERROR="${QERN_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
