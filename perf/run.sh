#!/usr/bin/env bash
# Runs the engine benchmark suite (../shared/perf) with our runner and Lua 5.4 side by side, then
# prints each benchmark's time ratio, their geometric mean, the regexp benchmark against a C++
# program doing the same matching with PCRE2 directly, the start-up time and each benchmark's peak
# resident memory (one more run under /usr/bin/time; the limit is 64 MB).
# Exits 1 when a checksum is wrong or missing.
# Usage: perf/run.sh [--markdown] [REPS] [RUNS]   (defaults 20 and 3). --markdown prints only the
# summary, as the README's table (the suite's own table goes to stderr). BUILD_DIR picks the build
# (default build/), PERF_SUITE the suite's folder (default ../shared/perf beside the project).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
markdown=0
if [ "${1:-}" = --markdown ]; then markdown=1; shift; fi
suite="${PERF_SUITE:-$root/../shared/perf}"
reps="${1:-20}"
runs="${2:-3}"
build="$(cd "$root" && realpath -m "${BUILD_DIR:-build}")"  # relative to the project, used from the suite's folder
[ -x "$suite/run-perf.sh" ] || {
  echo "perf/run.sh needs the engine benchmark suite (run-perf.sh, the .vbs and .lua programs, checksums.txt)" >&2
  echo "in $suite, which is not there: set PERF_SUITE to its folder" >&2
  exit 2
}
command -v lua5.4 > /dev/null || { echo "lua5.4 is needed: apt-get install lua5.4" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is needed: apt-get install time" >&2; exit 2; }
cmake --build "$build" --target tarvik-vbs regexp-pcre2 > /dev/null

tsv=$(mktemp)
mem=$(mktemp)
trap 'rm -f "$tsv" "$mem"' EXIT
"$suite/run-perf.sh" -v "$build/bin/tarvik-vbs" -r "$reps" -n "$runs" > "$tsv" || true
if [ "$markdown" = 1 ]; then cat "$tsv" >&2; else cat "$tsv"; fi

# The PCRE2 floor: median per-repetition time over the same number of runs.
floor=$(for _ in $(seq "$runs"); do "$build/bin/regexp-pcre2" "$reps" | sed -n 's/^elapsed: //p'; done |
        sort -g | awk -v r="$reps" '{ v[NR] = $1 } END { printf "%.5f", v[int((NR + 1) / 2)] / r }')

# Peak resident memory (kB) of one more run of each benchmark, with the same repetitions.
for b in empty $(awk -F '\t' 'NR > 1 && $1 != "startup" && $2 == "vbs" { print $1 }' "$tsv"); do
  (cd "$suite" && /usr/bin/time -f "$b\t%M" -a -o "$mem" "$build/bin/tarvik-vbs" "$b.vbs" "$reps" > /dev/null 2>&1) || true
done

# Start-up: the mean wall time of an empty script over many runs, each engine started directly
# (the suite's start-up row also times the shell and `timeout` around it).
startup() {
  local t0 t1
  t0=$(date +%s%N)
  for _ in $(seq 100); do "$@" > /dev/null; done
  t1=$(date +%s%N)
  awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f", (b - a) / 100 / 1e6 }'
}
start_vbs=$(cd "$suite" && startup "$build/bin/tarvik-vbs" empty.vbs)
start_lua=$(cd "$suite" && startup lua5.4 empty.lua)

machine="$(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
[ "$markdown" = 1 ] || printf '\nmachine: %s; %s\n' "$machine" "$(date -u '+%Y-%m-%d %H:%M UTC')"
awk -F '\t' -v floor="$floor" -v start_vbs="$start_vbs" -v start_lua="$start_lua" -v md="$markdown" '
  function row(name, ours, lua, ratio, peak, note) {
    if (md) printf "| %s | %s | %s | %s | %s |\n", name, ours, lua, ratio, peak
    else printf "%-11s %10s %10s %7s %9s  %s\n", name, ours, lua, ratio, peak, note
  }
  FNR == NR { peak[$1] = $2 / 1024; next }
  FNR > 1 && $4 != "-" { t[$1, $2] = $4; status[$1, $2] = $10; if (!($1 in seen)) { seen[$1] = 1; order[++count] = $1 } }
  FNR > 1 && $10 != "ok" && $10 != "-" { bad = 1 }
  END {
    limit = 64
    if (md) printf "| benchmark | ours (s) | Lua 5.4 (s) | ratio | peak memory (MB) |\n|---|---:|---:|---:|---:|\n"
    else row("benchmark", "ours (s)", "lua (s)", "ratio", "peak (MB)", "checksum")
    n = 0; logsum = 0
    for (i = 1; i <= count; i++) {
      b = order[i]
      over = peak[b] > limit ? " OVER " limit " MB" : ""
      if ((b, "lua") in t && t[b, "lua"] > 0) {
        ratio = t[b, "vbs"] / t[b, "lua"]; n++; logsum += log(ratio)
        row(b, sprintf("%.5f", t[b, "vbs"]), sprintf("%.5f", t[b, "lua"]), sprintf("%.2f", ratio), sprintf("%.1f", peak[b]), status[b, "vbs"] over)
      }
    }
    if (n) {
      if (md) row("geometric mean of the " n " ratios", "", "", sprintf("%.2f", exp(logsum / n)), "")
      else printf "geometric mean of the %d ratios against Lua: %.2f\n", n, exp(logsum / n)
    }
    if (("regexp", "vbs") in t) {
      ours = sprintf("%.5f", t["regexp", "vbs"]); ratio = sprintf("%.2f", t["regexp", "vbs"] / floor)
      if (md) row("regexp, against PCRE2 called directly", ours, sprintf("%.5f (PCRE2)", floor), ratio, sprintf("%.1f", peak["regexp"]))
      else row("regexp", ours, sprintf("%.5f", floor), ratio, sprintf("%.1f", peak["regexp"]), status["regexp", "vbs"] " (against PCRE2 direct)")
    }
    if (md) row("start-up: empty script, mean of 100 runs", start_vbs " ms", start_lua " ms", sprintf("%.2f", start_vbs / start_lua), sprintf("%.1f", peak["empty"]))
    else printf "start-up (empty script, mean of 100): ours %.2f ms, lua %.2f ms; peak %.1f MB\n", start_vbs, start_lua, peak["empty"]
    exit bad
  }' "$mem" "$tsv" || { echo "perf/run.sh: a checksum is wrong or missing (see the table above)" >&2; exit 1; }
