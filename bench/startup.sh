#!/usr/bin/env bash
# Start-up to mapped window, and resident memory once idle, of meridock-netconf beside a minimal
# Qt dialog built by the same preset, on a private Xvfb. Prints min / median / max and the ratios
# of the medians.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
#
# Both programs get the same fixed environment (C locale, xcb platform, empty configuration and
# runtime folders of their own per run), so nothing from the caller's desktop session reaches
# one and not the other. The runs alternate their order so that drift on a busy machine falls on
# both alike; one untimed run of each comes first to fill the caches.
set -euo pipefail
# The figures are printed and parsed with a decimal point, whatever the caller's locale.
export LC_ALL=C
cd "$(dirname "$0")/.."
build="${1:-build/bench}"
runs="${2:-15}"
case "$runs" in '' | *[!0-9]* | 0) echo "RUNS must be a positive number, got '$runs'" >&2; exit 2 ;; esac

app="$build/src/app/meridock-netconf"
floor="$build/bench/bench_minimal_dialog"
probe="$build/bench/bench_startup_probe"
for b in "$app" "$floor" "$probe"; do
    [ -x "$b" ] || { echo "missing $b: cmake --preset bench && cmake --build --preset bench" >&2; exit 2; }
done
command -v Xvfb >/dev/null || { echo "needs Xvfb: scripts/install-deps.sh" >&2; exit 2; }

load=$(cut -d' ' -f1-3 /proc/loadavg)
work=$(mktemp -d)
xvfb=""
cleanup() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not report a display within 10 s" >&2; exit 1; }
display=":$(tr -d '[:space:]' <"$work/display")"

# One run: "<ms to mapped window> <KiB resident once idle>" appended to the file named $3.
measure() {
    local binary=$1 title=$2 out=$3 home
    home=$(mktemp -d "$work/run.XXXXXX")
    mkdir -p "$home/config" "$home/runtime"
    chmod 700 "$home/runtime"
    local result
    if ! result=$(env -i PATH="$PATH" HOME="$HOME" DISPLAY="$display" LC_ALL=C \
        QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
        "$probe" "$title" "$binary" 2>"$home/log"); then
        echo "run of $binary failed:" >&2
        cat "$home/log" >&2
        exit 1
    fi
    # A note from the probe (another window first, no idle) is worth seeing; Qt's chatter is not.
    grep -E '^(another window|.* did not go idle)' "$home/log" >&2 || true
    echo "$result" >>"$out"
    rm -rf "$home"
}

measure "$floor" "Minimal dialog" "$work/warm-up"
measure "$app" "Network configuration" "$work/warm-up"
: >"$work/app"
: >"$work/floor"
for i in $(seq "$runs"); do
    if [ $((i % 2)) -eq 1 ]; then
        measure "$floor" "Minimal dialog" "$work/floor"
        measure "$app" "Network configuration" "$work/app"
    else
        measure "$app" "Network configuration" "$work/app"
        measure "$floor" "Minimal dialog" "$work/floor"
    fi
done

# min, median (the mean of the middle two for an even count) and max of column $1 of file $2.
stats() {
    cut -d' ' -f"$1" "$2" | sort -g | awk '{ a[NR] = $1 }
        END { m = NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2
              printf "%s %s %s\n", a[1], m, a[NR] }'
}
read -r fmin fmed fmax < <(stats 1 "$work/floor")
read -r amin amed amax < <(stats 1 "$work/app")
read -r frmin frmed frmax < <(stats 2 "$work/floor")
read -r armin armed armax < <(stats 2 "$work/app")

printf '%d runs each; load average before: %s\n' "$runs" "$load"
printf '%-20s %9s %9s %9s\n' "" min median max
printf '%-20s %9.1f %9.1f %9.1f  ms to mapped window\n' "minimal Qt dialog" "$fmin" "$fmed" "$fmax"
printf '%-20s %9.1f %9.1f %9.1f  ms to mapped window\n' "meridock-netconf" "$amin" "$amed" "$amax"
printf '%-20s %9.0f %9.0f %9.0f  KiB resident when idle\n' "minimal Qt dialog" "$frmin" "$frmed" "$frmax"
printf '%-20s %9.0f %9.0f %9.0f  KiB resident when idle\n' "meridock-netconf" "$armin" "$armed" "$armax"
awk -v a="$amed" -v f="$fmed" -v ar="$armed" -v fr="$frmed" 'BEGIN {
    printf "start-up ratio (median) %.3f (goal <= 1.10)\n", a / f
    printf "memory ratio (median)   %.3f (goal <= 1.10)\n", ar / fr }'
