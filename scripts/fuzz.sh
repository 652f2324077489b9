#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (preset `fuzz`, build-fuzz/) and runs
# each for SECONDS (default 60), starting from the seed corpus in fuzz/corpus/<target>.
# New inputs go to build-fuzz/corpus/<target>; a crash stops the script with the input
# written to build-fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_ini fuzz_catalogue fuzz_scanner
mkdir -p build-fuzz/crashes
for target in fuzz_ini fuzz_catalogue fuzz_scanner; do
  mkdir -p "build-fuzz/corpus/$target"
  echo "== $target: $seconds s"
  log="build-fuzz/$target.log"
  status=0
  build-fuzz/bin/$target -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$target-" \
    "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^==[0-9]+==|SUMMARY' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    exit "$status"
  fi
done
echo "fuzzing clean: 3 targets, $seconds s each"
