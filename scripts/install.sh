#!/usr/bin/env bash
# scripts/install.sh [PACKAGE...]: installs the Debian packages the build needs, and any named, when missing.
set -euo pipefail

# xvfb and xdotool run the window's scripted scenario test, chromium the HTML report's test (skipped
# without them); tarvik-bench writes its JSON with nlohmann-json3-dev and hashes its input and scripts
# with libssl-dev's libcrypto.
packages=(g++ cmake ninja-build libgtest-dev libbenchmark-dev qt6-base-dev qt6-charts-dev libpcre2-dev xvfb xdotool libedit-dev
          nlohmann-json3-dev libssl-dev chromium "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" < /dev/null
fi
