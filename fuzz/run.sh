#!/usr/bin/env bash
# Runs every fuzz target for SECONDS (default 10) from its seed corpus; fails on any crash,
# leak, hang or broken round trip. Build first: cmake --preset fuzz && cmake --build --preset fuzz
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
bin=build/fuzz/fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in "$bin"/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    seeds="fuzz/corpus/${name#fuzz_}"
    mkdir -p "$work/$name"
    [ -d "$seeds" ] && cp -r "$seeds"/. "$work/$name"/
    echo "== $name for ${seconds}s"
    if ! (cd "$work" && "$OLDPWD/$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
            -print_final_stats=1 "$name" 2>"$work/$name.log"); then
        tail -n 40 "$work/$name.log"
        status=1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$work/$name.log" || true
done
exit $status
