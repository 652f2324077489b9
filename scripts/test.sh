#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
# Warnings fail the build here, and so do findings of clang-tidy.
bash scripts/build.sh "${1:-default}" -DCORVANE_WERROR=ON
if [ "${1:-default}" = default ]; then bash scripts/tidy.sh build; fi
export QT_QPA_PLATFORM=offscreen
ctest --preset "${1:-default}" -j2
