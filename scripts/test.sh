#!/usr/bin/env bash
# Sets up and builds everything, programs and tests (scripts/setup.sh), then runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -d build ] || echo "Building Tarvik and its tests: the first build takes a few minutes."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
