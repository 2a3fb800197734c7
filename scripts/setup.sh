#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
set -euo pipefail
needed=(cmake g++ clang libclang-rt-14-dev make libgtest-dev libgmock-dev googletest libbenchmark-dev libicu-dev pkg-config
        libfltk1.3-dev libfontconfig-dev libpng-dev xvfb xauth)
# A font with Japanese glyphs, for the windows' fallback (the smallest Debian has).
if ! command -v fc-list >/dev/null || [ -z "$(fc-list :lang=ja 2>/dev/null)" ]; then needed+=(fonts-vlgothic); fi
missing=()
for pkg in "${needed[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
