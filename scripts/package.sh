#!/usr/bin/env bash
# Builds the Debian package from a fresh Release configure and prints the path of the .deb.
# Everything else goes to standard error, so that deb=$(scripts/package.sh) works. Arguments go
# to the configure step, e.g. scripts/package.sh -DMERIDOCK_DEVICE_KEY=<32 hex digits>.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh >&2
cmake --preset package --fresh "$@" >&2
cmake --build --preset package >&2
output=$(cpack --preset package)
printf '%s\n' "$output" >&2
deb=$(printf '%s\n' "$output" | sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' | tail -n 1)
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
    echo "package.sh: cpack did not report a .deb file" >&2
    exit 1
fi
printf '%s\n' "$deb"
