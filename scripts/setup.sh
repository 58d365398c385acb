#!/usr/bin/env bash
# Installs the Debian packages the build, tests and demo need (only those missing).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config clang-format qt6-base-dev libcli11-dev
          nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev nginx-light tinyproxy curl
          libsqlite3-dev qt6-charts-dev xvfb xdotool imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
