#!/usr/bin/env bash
# Installs what is missing, builds the program and the engine emulator, starts the
# emulator in the background (its virtual user changing the virtual Kolvane every
# two seconds) and then the program's window; the emulator is stopped when the
# program ends. Machines without a sound card get the program's virtual audio
# device (FERNHOLLOW_VIRTUAL_AUDIO=1 unless set already).
# Optional: BUILD_DIR (default build), JOBS, FH_ENGINE_PORT (default 46000).
# Arguments go to the program (for example --screenshot DIR).
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "run.sh: there is no display to show the program's window on (DISPLAY is not set)." >&2
  echo "Start it from a desktop session, or on a virtual display:  xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi

bash scripts/install-deps.sh

build_dir=${BUILD_DIR:-build}
port=${FH_ENGINE_PORT:-46000}
cmake -S . -B "$build_dir" -G Ninja
cmake --build "$build_dir" -j "${JOBS:-$(nproc)}" --target fernhollow fernhollow-engine-emulator

if [[ -z "${FERNHOLLOW_VIRTUAL_AUDIO:-}" ]]; then
  if [[ ! -r /proc/asound/cards ]] || grep -q "no soundcards" /proc/asound/cards; then
    echo "run.sh: no sound card found; the program plays on its virtual audio device."
    export FERNHOLLOW_VIRTUAL_AUDIO=1
  fi
fi

"$build_dir/emulator/fernhollow-engine-emulator" --port "$port" --animate --quiet &
emulator_pid=$!
trap 'kill "$emulator_pid" 2>/dev/null || true; wait "$emulator_pid" 2>/dev/null || true' EXIT

"$build_dir/src/fernhollow" --port "$port" "$@"
