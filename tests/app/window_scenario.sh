#!/usr/bin/env bash
# The real window under its own Xvfb, clicked with xdotool, at 96 and 144 dpi: a batch with a
# failing brain runs to its end and the status says so, the chart window opens, and no label or
# button is clipped. Usage: window_scenario.sh TARVIK [FOLDER for the screenshots]
set -euo pipefail
tarvik=$1
shots=${2:-}
for tool in Xvfb xdotool; do
  if ! command -v "$tool" > /dev/null; then
    echo "SKIP: $tool is not installed (scripts/setup.sh installs xvfb and xdotool)"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2> /dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

signature='Function GetResponse(Sentence, UserName, ComputerName, LearningLevel, WorkingDir, A1, A2, A3, A4, A5, A6, A7, A8, A9, A10)'
printf '%s\r\nGetResponse = "One heard " & Sentence & " <STOP>"\r\nEnd Function\r\n' "$signature" > "$work/one.vbs"
printf '%s\r\nIf Sentence = "two" Then Err.Raise 11\r\nGetResponse = "fine <STOP>"\r\nEnd Function\r\n' "$signature" > "$work/two.vbs"
printf '%s\r\nGetResponse = UCase(Sentence) & " <STOP>"\r\nEnd Function\r\n' "$signature" > "$work/three.vbs"
printf '[Tarvik]\r\nInputFile=input.txt\r\nCreateCSV=TRUE\r\nCSVName=results.csv\r\n[Brains]\r\n'\
'Brain1Name=Eliza\r\nBrain1Script=one.vbs\r\nBrain2Name=Fails on two\r\nBrain2Script=two.vbs\r\n'\
'Brain3Name=A brain whose name is much too long for its button\r\nBrain3Script=three.vbs\r\n' > "$work/Tarvik.ini"
printf 'one\r\ntwo\r\n\r\nthree\r\nfour\r\n' > "$work/input.txt"

mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(cat "$work/display")"

fail() {
  echo "FAIL at $dpi dpi: $1" >&2
  [ -f "$dump/window.txt" ] && cat "$dump/window.txt" >&2
  cat "$work/tarvik.log" >&2
  ls -la "$dump" >&2 || true
  exit 1
}

# Waits until the window's dump has a line matching the pattern; prints that line.
await() {
  for _ in $(seq 150); do
    if [ -f "$dump/window.txt" ] && grep -m1 -E "$1" "$dump/window.txt"; then return 0; fi
    sleep 0.1
  done
  fail "no line matching '$1' within 15 s"
}

# Clicks the middle of the rectangle "x y w h" found in fields 3-6 of a dump line; the window
# counts in its own pixels, the screen's are the device pixel ratio times larger.
click() {
  read -r _ _ x y w h _ <<< "$1"
  ratio=$(awk 'NR == 1 { print $4 }' "$dump/window.txt")
  read -r px py < <(awk -v x="$x" -v y="$y" -v w="$w" -v h="$h" -v r="$ratio" \
    'BEGIN { printf "%d %d\n", (x + w / 2) * r, (y + h / 2) * r }')
  xdotool mousemove "$px" "$py" click 1
}

# Clicks (as click does) until the dump has a line matching the pattern: on a loaded machine a click
# can reach a window before it takes input.
click_until() {
  for _ in $(seq 5); do
    click "$2"
    for _ in $(seq 30); do
      grep -qE "$1" "$dump/window.txt" && return 0
      sleep 0.1
    done
  done
  fail "no line matching '$1' after five clicks"
}

# Clicks until no line of the dump matches the pattern.
click_while() {
  for _ in $(seq 5); do
    click "$2"
    for _ in $(seq 30); do
      grep -qE "$1" "$dump/window.txt" || return 0
      sleep 0.1
    done
  done
  fail "a line matching '$1' is still there after five clicks"
}

for dpi in 96 144; do
  dump="$work/dump$dpi"
  QT_FONT_DPI=$dpi TARVIK_DUMP="$dump" "$tarvik" --ini "$work/Tarvik.ini" -platform xcb 2> "$work/tarvik.log" &
  app=$!
  line=$(await '^button cmdTextFile [0-9-]+ [0-9-]+ [0-9]+ [0-9]+ 1 Read Text$')
  timeout 15 xdotool search --sync --onlyvisible --name '^Tarvik$' > /dev/null || fail "the window was not mapped"
  click_until '^message .*Read Text is Finished!|Stop Reading$' "$line"
  # "message" lines carry the button's rectangle in fields 2-5; pad to the button lines' layout.
  message=$(await '^message .*Read Text is Finished!')
  grep -qx 'status Read 4 lines — 0:0[0-9] — 1 failure' "$dump/window.txt" || fail "status: $(grep '^status' "$dump/window.txt")"
  grep -q '^button failuresButton .* 1 Failures (1)...$' "$dump/window.txt" || fail "no failure list button"
  click_while '^message' "x $message"
  click_until '^chart open' "$(await '^button chartButton ')"
  for _ in $(seq 150); do [ -s "$dump/chart.png" ] && break; sleep 0.1; done  # the next dump's screenshot
  if grep '^clipped' "$dump/window.txt"; then fail "clipped texts"; fi
  [ -s "$dump/window.png" ] && [ -s "$dump/chart.png" ] || fail "no screenshots"
  [ "$(grep -c ',,' "$work/results.csv")" -eq 1 ] || fail "the failing brain's cell: $(cat "$work/results.csv")"
  if [ -n "$shots" ]; then
    cp "$dump/window.png" "$shots/window-$dpi-dpi.png"
    cp "$dump/chart.png" "$shots/chart-$dpi-dpi.png"
  fi
  echo "$dpi dpi: $(head -1 "$dump/window.txt"); $(grep '^status' "$dump/window.txt")"
  kill "$app"
  wait "$app" 2> /dev/null || true
  app=""
done
echo "PASS"
