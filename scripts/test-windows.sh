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
# Wine's server and the processes it starts with its first program (services, the desktop on
# the display) outlive that program and keep its output open: started by a test, they would
# hold ctest waiting on that test until the last one ends. They are started apart, once, by a
# short run whose output goes nowhere, and stopped after the tests.
# A test is run again, up to twice, when it fails: Wine now and then ends a program before it
# has written anything. A test that fails three times fails the run.
(cd "$build_dir" &&
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineserver -p >/dev/null 2>&1 </dev/null
    ./wine-ejecutar.sh tests/velorn_ui_tests.exe --gtest_filter=VentanaTest.WindowCaptionAndSizes \
      >/dev/null 2>&1 </dev/null || true
    estado=0
    ctest --output-on-failure -j"$1" --timeout 900 --repeat until-pass:3 || estado=$?
    wineserver -k || true
    exit "$estado"' _ "$jobs")
wineserver -w || true

echo "== Smoke test of the setup"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash tests/paquete/prueba_windows.sh "$build_dir" "$source_dir" "$source_dir/build"
