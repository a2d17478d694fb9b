#!/usr/bin/env bash
# Installs what is needed, builds, writes the sample database and starts the program from the
# folder that holds DATA/.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/pakiety.sh
./scripts/zbuduj.sh
cd build
exec ./qern
