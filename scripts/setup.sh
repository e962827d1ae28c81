#!/usr/bin/env bash
# Installs the Debian packages the build needs (when missing), then configures and builds into build/:
# the targets named as arguments, or everything (programs and tests) without any.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build build -j "$(nproc)" "${targets[@]}"
