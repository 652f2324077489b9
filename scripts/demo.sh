#!/usr/bin/env bash
# Installs what is missing, builds, and starts the analyser with the bundled demo
# catalogues (next to the executable) and the demo log directory demo/logs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh default
bin=build/bin
echo "demo log directory: $PWD/demo/logs"
if [ -x "$bin/corvane-log-analyzer" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  echo "choose that directory in step 1, a day in step 2, then press 开始分析"
  exec "$bin/corvane-log-analyzer"
fi
echo "no display: running the command-line companion over the demo logs instead"
for day in $("$bin/corvane-scan" days demo/logs); do
  echo "== $day"
  "$bin/corvane-scan" --utf8 run demo/logs "$day"
done
