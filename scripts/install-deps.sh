#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing, fuzzing, benchmarking and packaging need.
# Safe to run again: apt-get skips what is already there. Needs root (or sudo).
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n libssl-dev openssl
    clang-14 libfuzzer-14-dev libclang-rt-14-dev
    xvfb x11-utils xauth
    fonts-dejavu-core fonts-noto-cjk
    desktop-file-utils appstream dpkg-dev file
    libbenchmark-dev libinih-dev libsimpleini-dev libx11-dev xdotool valgrind
    dbus-daemon python3-dbusmock qrencode libzxing-dev weston qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
