#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
bash scripts/build.sh "${1:-default}"
export QT_QPA_PLATFORM=offscreen
ctest --preset "${1:-default}" -j2
