#!/usr/bin/env bash
# Checks a built .deb without installing it: control fields, the file list, the desktop entry and
# the metainfo as packaged. With --install it then installs the package with apt-get, runs the
# installed checker and window (under Xvfb) and removes the package again; that needs root and
# changes the machine, so CI uses it on its throwaway system.
#
#   scripts/check-package.sh [--install] build/package/meridock-netconf_3.0.0_amd64.deb
set -euo pipefail

install=0
if [ "${1:-}" = "--install" ]; then
    install=1
    shift
fi
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 [--install] FILE.deb" >&2
    exit 2
fi
deb=$(realpath "$1")
source_dir=$(cd "$(dirname "$0")/.." && pwd)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== control"
dpkg-deb --info "$deb"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = "meridock-netconf" ] || fail "Package is '$(field Package)'"
depends=$(field Depends)
# These come from dpkg-shlibdeps (libssl3 from the build's own lookup, as libcrypto is opened at
# run time); a Depends line without them means one of the two did not run.
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libssl3 libzxing2; do
    grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
field Description | awk 'length > 80 { bad = 1 } END { exit bad }' \
    || fail "a Description line is longer than 80 characters"

echo "== contents"
dpkg-deb --contents "$deb"
dpkg-deb --extract "$deb" "$work/root"
root="$work/root/usr"
expected=(
    bin/meridock-netconf
    bin/meridock-netconf-check
    share/applications/org.meridock.netconf.desktop
    share/metainfo/org.meridock.netconf.metainfo.xml
    share/icons/hicolor/scalable/apps/meridock-netconf.svg
    share/man/man1/meridock-netconf.1.gz
    share/man/man1/meridock-netconf-check.1.gz
)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/meridock-netconf.png")
done
for f in "${expected[@]}"; do
    [ -f "$root/$f" ] || fail "missing /usr/$f"
done
# The QR code reader module, in the program's own folder under the library folder.
qr_module=$(find "$root/lib" -path '*/meridock-netconf/libmeridock_qrcode.so' -type f 2>/dev/null | head -n 1)
if [ -z "$qr_module" ]; then
    fail "missing the QR code reader module under /usr/lib"
else
    file -b "$qr_module" | grep -q ', stripped' || fail "$qr_module is not stripped"
fi
for exe in meridock-netconf meridock-netconf-check; do
    [ -x "$root/bin/$exe" ] || continue
    file -b "$root/bin/$exe" | grep -q ', stripped' || fail "/usr/bin/$exe is not stripped"
done
for size in 16 24 32 48 64 128 256; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/meridock-netconf.png"
    [ -f "$png" ] || continue
    file -b "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not $size x $size"
done

echo "== desktop entry and metainfo"
if [ -f "$root/share/applications/org.meridock.netconf.desktop" ]; then
    desktop-file-validate "$root/share/applications/org.meridock.netconf.desktop" \
        || fail "desktop-file-validate"
    exec_line=$(sed -n 's/^Exec=//p' "$root/share/applications/org.meridock.netconf.desktop")
    [ -x "$root/bin/$exec_line" ] || fail "Exec=$exec_line is not an installed executable"
fi
if [ -f "$root/share/metainfo/org.meridock.netconf.metainfo.xml" ]; then
    appstreamcli validate --no-net --pedantic "$root/share/metainfo/org.meridock.netconf.metainfo.xml" \
        || fail "appstreamcli validate"
fi

if [ "$install" -eq 1 ]; then
    echo "== install"
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y "$deb"
    # Whatever happens below, leave the machine without the package.
    trap 'apt-get remove -y meridock-netconf >/dev/null; rm -rf "$work"' EXIT

    echo "== installed checker"
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
    set +e
    out=$(meridock-netconf-check "$source_dir/tests/core/data/clean.ini")
    rc=$?
    set -e
    printf '%s\n' "$out"
    [ "$rc" -eq 0 ] || fail "checker on clean.ini exited $rc, expected 0"
    [ "$out" = "Load settings: Settings loaded successfully." ] || fail "checker on clean.ini said: $out"
    set +e
    meridock-netconf-check "$source_dir/tests/core/data/broken.ini" >/dev/null
    rc=$?
    set -e
    [ "$rc" -eq 1 ] || fail "checker on broken.ini exited $rc, expected 1"

    echo "== installed window under Xvfb"
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    cat >"$work/window.sh" <<'EOF'
#!/bin/sh
# Starts the menu entry's command, waits for the window, closes it with Escape.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/org.meridock.netconf.desktop)
$exec_line &
pid=$!
wid=""
for _ in $(seq 1 40); do
    wid=$(xdotool search --name '^Network configuration$' 2>/dev/null | head -n 1)
    [ -n "$wid" ] && break
    sleep 0.25
done
if [ -z "$wid" ]; then
    echo "no window appeared" >&2
    kill "$pid"
    exit 1
fi
# The window closes on the key press, so the release that follows may find it gone already.
xdotool key --window "$wid" Escape 2>/dev/null
wait "$pid"
EOF
    chmod +x "$work/window.sh"
    if HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
        xvfb-run -a "$work/window.sh"; then
        state="$work/home/.config/MeridockSettingUtil.dat"
        if [ -f "$state" ]; then
            [ "$(stat -c %a "$state")" = "600" ] || fail "state file has mode $(stat -c %a "$state")"
        else
            fail "closing the window wrote no state file"
        fi
    else
        fail "the installed window did not start and close cleanly"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package checks passed"
