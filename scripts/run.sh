#!/usr/bin/env bash
# Sets up and builds (scripts/setup.sh), then opens Tarvik on the bundled sample brains; without a
# display, runs the same batch with tarvik-bench and prints its summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/tarvik
fi
echo "No display found: running the sample batch without a window (build/bin/tarvik-bench)."
exec build/bin/tarvik-bench
