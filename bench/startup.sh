#!/usr/bin/env bash
# Start-up to mapped window, and resident memory once idle, of meridock-netconf beside a minimal
# Qt dialog built by the same preset, under Xvfb. Prints min / median / max and the ratios.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/bench}"
runs="${2:-15}"
app="$build/src/app/meridock-netconf"
floor="$build/bench/bench_minimal_dialog"
for b in "$app" "$floor"; do
    [ -x "$b" ] || { echo "missing $b: cmake --preset bench && cmake --build --preset bench" >&2; exit 2; }
done
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "needs Xvfb and xdotool" >&2; exit 2; }

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY="$display"
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

# One run: milliseconds until a window with the title is mapped, then RSS in KiB after 1 s idle.
measure() {
    local binary=$1 title=$2 run=$3
    local home="$work/$run"
    mkdir -p "$home/config" "$home/runtime"
    chmod 700 "$home/runtime"
    local start end pid
    start=$(date +%s%N)
    XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" LC_ALL=C "$binary" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
        kill -0 $pid 2>/dev/null || { echo "$binary exited early" >&2; exit 1; }
    done
    end=$(date +%s%N)
    sleep 1
    local rss
    rss=$(awk '/^VmRSS/ {print $2}' /proc/$pid/status)
    kill $pid; wait $pid 2>/dev/null || true
    echo "$(( (end - start) / 1000000 )) $rss"
}

stats() { sort -n | awk '{a[NR]=$1} END {printf "%d %d %d", a[1], a[int((NR+1)/2)], a[NR]}'; }

: >"$work/app" ; : >"$work/floor"
for i in $(seq "$runs"); do
    measure "$floor" "Minimal dialog" "f$i" >>"$work/floor"
    measure "$app" "Network configuration" "a$i" >>"$work/app"
done

read -r fmin fmed fmax < <(cut -d' ' -f1 "$work/floor" | stats)
read -r amin amed amax < <(cut -d' ' -f1 "$work/app" | stats)
read -r frmin frmed frmax < <(cut -d' ' -f2 "$work/floor" | stats)
read -r armin armed armax < <(cut -d' ' -f2 "$work/app" | stats)
printf '%-26s %8s %8s %8s\n' "" min median max
printf '%-26s %8d %8d %8d  ms to mapped window\n' "minimal Qt dialog" "$fmin" "$fmed" "$fmax"
printf '%-26s %8d %8d %8d  ms to mapped window\n' "meridock-netconf" "$amin" "$amed" "$amax"
printf '%-26s %8d %8d %8d  KiB resident when idle\n' "minimal Qt dialog" "$frmin" "$frmed" "$frmax"
printf '%-26s %8d %8d %8d  KiB resident when idle\n' "meridock-netconf" "$armin" "$armed" "$armax"
awk -v a="$amed" -v f="$fmed" -v ar="$armed" -v fr="$frmed" 'BEGIN {
    printf "start-up ratio (median) %.2f (goal <= 1.25)\n", a / f
    printf "memory ratio (median)   %.2f (goal <= 1.20)\n", ar / fr }'
