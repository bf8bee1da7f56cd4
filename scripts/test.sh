#!/usr/bin/env bash
# Installs what is missing, builds everything (warnings in our own code are
# errors) and runs every test.
# Optional: BUILD_DIR (default build), FH_SANITIZE (address | thread), JOBS.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build_dir=${BUILD_DIR:-build}
jobs=${JOBS:-$(nproc)}
sanitize=${FH_SANITIZE:-}

cmake -S . -B "$build_dir" -G Ninja -DFH_SANITIZE="$sanitize" -DFH_WARNINGS_AS_ERRORS=ON
cmake --build "$build_dir" -j "$jobs"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/scripts/tsan.supp}

# GUI tests need a display: one virtual X server for the whole run.
xvfb-run -a -s "-screen 0 1920x1200x24" \
  ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j "$jobs"
