#!/usr/bin/env bash
# Configures and builds the project into build/ (or the preset given as $1).
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
