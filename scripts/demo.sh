#!/usr/bin/env bash
# Builds the packages and runs the demo application; options are passed on
# (--locale-report, --form-report FILE).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target lxvdemo
exec build/default/bin/lxvdemo "$@"
