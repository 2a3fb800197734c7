#!/usr/bin/env bash
# Remakes the pictures in docs/screenshots: the windowing tests, run on a
# virtual display, take them (the demo after a switch to German, Japanese and
# Russian, the About box, the editor's five pages, a form designed in
# lxvdesign).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target windowing_tests
mkdir -p docs/screenshots
LXV_PICTURE_DIR="$PWD/docs/screenshots" xvfb-run -a -s "-screen 0 1280x1024x24" build/default/bin/windowing_tests
ls docs/screenshots
