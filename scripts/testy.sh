#!/usr/bin/env bash
# Installs what is needed, builds, and runs all tests.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/pakiety.sh
./scripts/zbuduj.sh
cd build
ctest --output-on-failure -j"$(nproc)"
