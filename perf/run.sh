#!/usr/bin/env bash
# Runs the engine benchmark suite (../shared/perf) with our runner and Lua 5.4 side by side, then
# prints each benchmark's time ratio, their geometric mean, and the regexp benchmark against a
# C++ program doing the same matching with PCRE2 directly.
# Usage: perf/run.sh [REPS] [RUNS]   (defaults 20 and 3); BUILD_DIR picks the build (default build/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
suite="${PERF_SUITE:-$root/../shared/perf}"
reps="${1:-20}"
runs="${2:-3}"
build="${BUILD_DIR:-$root/build}"
command -v lua5.4 > /dev/null || { echo "lua5.4 is needed: apt-get install lua5.4" >&2; exit 2; }
cmake --build "$build" --target tarvik-vbs regexp-pcre2 > /dev/null

tsv=$(mktemp)
trap 'rm -f "$tsv"' EXIT
"$suite/run-perf.sh" -v "$build/bin/tarvik-vbs" -r "$reps" -n "$runs" > "$tsv" || true
cat "$tsv"

# The PCRE2 floor: median per-repetition time over the same number of runs.
floor=$(for _ in $(seq "$runs"); do "$build/bin/regexp-pcre2" "$reps" | sed -n 's/^elapsed: //p'; done |
        sort -g | awk -v r="$reps" '{ v[NR] = $1 } END { printf "%.5f", v[int((NR + 1) / 2)] / r }')

echo
awk -F '\t' -v floor="$floor" '
  NR > 1 && $4 != "-" { t[$1, $2] = $4; status[$1, $2] = $10; names[$1] = 1 }
  END {
    printf "%-11s %12s %12s %8s  %s\n", "benchmark", "ours (s)", "lua (s)", "ratio", "checksum"
    n = 0; logsum = 0
    for (b in names) {
      if ((b, "lua") in t && t[b, "lua"] > 0) {
        ratio = t[b, "vbs"] / t[b, "lua"]; n++; logsum += log(ratio)
        printf "%-11s %12.5f %12.5f %8.2f  %s\n", b, t[b, "vbs"], t[b, "lua"], ratio, status[b, "vbs"]
      } else if (b == "regexp") {
        printf "%-11s %12.5f %12.5f %8.2f  %s (against PCRE2 direct)\n", b, t[b, "vbs"], floor, t[b, "vbs"] / floor, status[b, "vbs"]
      }
    }
    if (n) printf "geometric mean of the %d ratios against Lua: %.2f\n", n, exp(logsum / n)
  }' "$tsv"
