#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# first the ordinary build, then everything again under the address and
# undefined-behaviour sanitizers, then the Windows build under Wine with its
# installer (scripts/test-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
# Builds of the same sources from another clone come from the cache too.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
jobs=$(nproc)

cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

bash scripts/test-windows.sh
