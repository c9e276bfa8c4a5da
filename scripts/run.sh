#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the sample installation.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs" --target velorn
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  echo "No display found: run it as 'xvfb-run -a scripts/run.sh' (or start it from a desktop session)."
  exit 1
fi
exec build/velorn
