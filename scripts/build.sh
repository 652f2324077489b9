#!/usr/bin/env bash
# Configures and builds the project into build/ (or the preset given as $1); further
# arguments go to the configuration (-DNAME=VALUE).
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
cmake --preset "$preset" "${@:2}" >/dev/null
cmake --build --preset "$preset"
