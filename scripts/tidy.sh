#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy: the naming rules) over the core and the command line,
# with the compile commands of the build directory given as $1 (default build/).
# Fails, listing the findings, when it has any.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy: $build/compile_commands.json is missing (configure the build first)" >&2
  exit 1
fi
mapfile -t files < <(git ls-files -co --exclude-standard \
  'base/*.cpp' 'catalog/*.cpp' 'scan/*.cpp' 'patterns/*.cpp' 'online/*.cpp' 'history/*.cpp' 'report/*.cpp' 'follow/*.cpp' 'search/*.cpp' 'timeline/*.cpp' 'cli/*.cpp')
out=$(printf '%s\n' "${files[@]}" | xargs -P2 -n4 clang-tidy -p "$build" --quiet 2>/dev/null || true)
findings=$(printf '%s\n' "$out" | grep -E ': (warning|error):' || true)
if [ -n "$findings" ]; then
  printf '%s\n' "$out" >&2
  echo "tidy: $(printf '%s\n' "$findings" | wc -l) findings in ${#files[@]} files" >&2
  exit 1
fi
echo "tidy: ${#files[@]} files clean"
