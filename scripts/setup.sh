#!/usr/bin/env bash
# Installs the Debian packages the build, tests and demo need (only those missing).
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config clang-format qt6-base-dev libcli11-dev
          nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev nginx-light tinyproxy curl
          # the rank history, its charts, and the window under a screen of its own
          libsqlite3-dev qt6-charts-dev xvfb xdotool imagemagick
          # user engines: XPath result rules and HTTPS
          libxml2-dev libssl-dev openssl
          # the desktop files, the manual pages and the Debian package with its checks
          help2man xdg-utils libfile-mimeinfo-perl shared-mime-info desktop-file-utils
          bash-completion man-db dpkg-dev lintian)
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
