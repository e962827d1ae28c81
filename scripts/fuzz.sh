#!/usr/bin/env bash
# scripts/fuzz.sh [MINUTES [TARGET...]]: builds the fuzz targets (tests/fuzz) with clang 14, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz/, then fuzzes each target in turn
# for its share of MINUTES (default 10; targets: compile run). The corpora grow in
# build-fuzz/corpus/TARGET, seeded from the .vbs files; failing inputs land in build-fuzz/crashes/;
# every turn adds a line to build-fuzz/record.txt. A failing input, minimized, belongs in
# tests/fuzz/regressions/ with its fix.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install.sh clang-14 libclang-rt-14-dev
minutes=${1:-10}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(compile run)

flags="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 -DTARVIK_FUZZ=ON \
  -DCMAKE_CXX_FLAGS_DEBUG="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" > /dev/null
cmake --build build-fuzz -j "${JOBS:-2}" --target "${targets[@]/#/fuzz_}"

# No fake stacks: the engine's Out of stack space guard reads the real stack depth.
export ASAN_OPTIONS="detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
mkdir -p build-fuzz/crashes build-fuzz/logs
seconds=$((minutes * 60 / ${#targets[@]}))
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  if [ ! -d "$corpus" ]; then
    mkdir -p "$corpus"
    find tests samples -name '*.vbs' | while read -r f; do cp "$f" "$corpus/seed-$(echo "$f" | tr / _)"; done
  fi
  log=build-fuzz/logs/$target-$(date -u +%Y%m%dT%H%M%S).log
  echo "fuzzing $target for $seconds s (log: $log)"
  # Script objects that reference each other are never freed (reference counting, as on Windows):
  # leak checks only where no script runs.
  leaks=1
  [ "$target" != run ] || leaks=0
  # One worker, niced; the parent keeps going past failures (saved under crashes/) so a long run
  # collects them all. Scripts time out after 200 ms themselves: 5 s means a hang.
  nice -n 10 "build-fuzz/bin/fuzz_$target" "$corpus" -dict=tests/fuzz/vbscript.dict \
    -max_total_time="$seconds" -max_len=4096 -timeout=5 -rss_limit_mb=2048 -print_funcs=0 -detect_leaks=$leaks \
    -fork=1 -ignore_crashes=1 -ignore_ooms=1 -ignore_timeouts=1 -artifact_prefix="build-fuzz/crashes/$target-" \
    > "$log" 2>&1 || true
  stats=$(grep -E '^#[0-9]+: cov: ' "$log" | tail -1 || true)
  runs=$(echo "$stats" | sed -nE 's/^#([0-9]+):.*/\1/p')
  cov=$(echo "$stats" | sed -nE 's/.* cov: ([0-9]+) ft: ([0-9]+).*/cov \1 ft \2/p')
  found=$(echo "$stats" | sed -nE 's/.*(oom\/timeout\/crash: [0-9\/]+).*/\1/p')
  spent=$(echo "$stats" | sed -nE 's/.* time: ([0-9]+)s.*/\1/p')
  line="$(date -u +%FT%TZ) $target ${spent:-0}s ${runs:-0} runs ${cov:-no coverage} ${found}"
  echo "$line" | tee -a build-fuzz/record.txt
done
ls build-fuzz/crashes | head -20
