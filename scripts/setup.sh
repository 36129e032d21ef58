#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine, only where it is missing.
set -eu
packages=(cmake g++ make libgtest-dev libgmock-dev googletest libbenchmark-dev libtinyobjloader-dev
          nlohmann-json3-dev libcli11-dev clang libclang-rt-14-dev
          mingw-w64 wine64 wine xvfb xdotool imagemagick unzip python3 fonts-arphic-ukai fonts-arphic-uming)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
