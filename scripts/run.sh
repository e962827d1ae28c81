#!/usr/bin/env bash
# Sets up and builds (scripts/setup.sh), then runs Tarvik on the bundled sample brains.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bin=build/bin
exec "$bin/tarvik-vbs" samples/hello.vbs
