#!/usr/bin/env bash
# Builds the Windows program (scripts/build-windows.sh) and runs its tests under Wine on a
# virtual X display: the core and window tests through ctest, then the smoke test of the setup.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)
build_dir="${VELORN_BUILD_WINDOWS:-$source_dir/build-windows}"
jobs=$(nproc 2>/dev/null || echo 2)

scripts/build-windows.sh

# A Wine prefix of the build's own, made once; no Mono or Gecko installer is asked for.
export WINEPREFIX="$build_dir/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== Preparing the Wine prefix"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi

echo "== Tests under Wine"
(cd "$build_dir" &&
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$jobs" --timeout 900)
wineserver -w || true

echo "== Smoke test of the setup"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash tests/paquete/prueba_windows.sh "$build_dir" "$source_dir" "$source_dir/build"
