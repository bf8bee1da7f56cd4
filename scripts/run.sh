#!/usr/bin/env bash
# Installs what is missing, builds the program and the engine emulator, starts the
# emulator in the background (its virtual user changing the virtual Kolvane every
# two seconds) and runs the program's engine-session client against it until
# Ctrl+C; the emulator is stopped on exit.
# Optional: BUILD_DIR (default build), JOBS, FH_ENGINE_PORT (default 46000).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build_dir=${BUILD_DIR:-build}
port=${FH_ENGINE_PORT:-46000}
cmake -S . -B "$build_dir" -G Ninja
cmake --build "$build_dir" -j "${JOBS:-$(nproc)}" --target fernhollow fernhollow-engine-emulator

"$build_dir/emulator/fernhollow-engine-emulator" --port "$port" --animate --quiet &
emulator_pid=$!
trap 'kill "$emulator_pid" 2>/dev/null || true; wait "$emulator_pid" 2>/dev/null || true' EXIT

"$build_dir/src/fernhollow" --engine-session --port "$port" "$@"
