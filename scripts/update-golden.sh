#!/usr/bin/env bash
# Rewrites the golden files under tests/golden/ with what the program gives now and
# shows which of them changed.  Review that diff (git diff tests/golden) before
# committing it.  The build directory is build/ or the one given as $1.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target core_tests
status=0
CORVANE_UPDATE_GOLDEN=1 "$build/bin/core_tests" --gtest_brief=1 || status=$?
# The package's file list, when the build has the packaging tools.
CORVANE_UPDATE_GOLDEN=1 ctest --test-dir "$build" -R '^package$' >/dev/null || status=$?
git diff --stat -- tests/golden
git status --short --untracked-files=all -- tests/golden | grep '^??' || true
exit "$status"
