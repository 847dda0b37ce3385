#!/usr/bin/env bash
# Runs every fuzz target for SECONDS (default 10) from its seed corpus; fails on any crash,
# leak, hang, slow input or broken round trip. Build first:
# cmake --preset fuzz && cmake --build --preset fuzz
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
bin=build/fuzz/fuzz
# Inputs up to the size a settings file may have, and no input slower than this (a whole 4 MiB
# file takes about one second here under the sanitizers): a load that turns quadratic on crafted
# names fails here instead of freezing the window.
max_len=$((4 * 1024 * 1024))
slow_seconds=10
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Inputs too large to keep in the repository, made afresh: 40,000 distinct names built from '@'
# and '`', which an index that folds case by setting bit 5 of each character cannot tell apart,
# as keys and as section names. Each target that loads files runs them once before it fuzzes.
colliding_names() {
    awk -v kind="$1" 'BEGIN {
        if (kind == "keys") printf "[s]\r\n"
        for (i = 0; i < 40000; ++i) {
            name = ""
            for (bit = 0; bit < 18; ++bit)
                name = name (int(i / 2 ^ bit) % 2 ? "`" : "@")
            if (kind == "keys") printf "%s=v\r\n", name
            else printf "[%s]\r\nk=v\r\n", name
        }
    }'
}

status=0
for target in "$bin"/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    seeds="fuzz/corpus/${name#fuzz_}"
    mkdir -p "$work/$name"
    [ -d "$seeds" ] && cp -r "$seeds"/. "$work/$name"/
    case "$name" in
    fuzz_profile_file | fuzz_read_settings)
        mkdir -p "$work/crafted"
        colliding_names keys >"$work/crafted/colliding-keys"
        colliding_names sections >"$work/crafted/colliding-sections"
        echo "== $name on crafted names"
        if ! "$target" -timeout="$slow_seconds" -rss_limit_mb=2048 "$work/crafted"/* \
                >"$work/$name.crafted.log" 2>&1; then
            tail -n 20 "$work/$name.crafted.log"
            status=1
        fi
        ;;
    esac
    echo "== $name for ${seconds}s"
    if ! (cd "$work" && "$OLDPWD/$target" -max_total_time="$seconds" -max_len="$max_len" \
            -timeout="$slow_seconds" -report_slow_units="$slow_seconds" -rss_limit_mb=2048 \
            -print_final_stats=1 "$name" 2>"$work/$name.log"); then
        tail -n 40 "$work/$name.log"
        status=1
    fi
    grep -E '^stat::number_of_executed_units|^Done|Slow unit' "$work/$name.log" || true
done
exit $status
