#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds, and starts the utility.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/src/app/meridock-netconf "$@"
