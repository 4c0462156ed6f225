#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a desktop of its own, started here and stopped when
# the program ends:
#   openbox, mutter  a private Xvfb with that window manager (xcb)
#   weston           a headless Wayland compositor, pixman renderer (wayland)
# Each desktop has a session bus of its own, which ends with it. With
# ALTAVESH_LISTEN set, a listener on its accessibility bus hears what a screen
# reader would (listen.py), and the program finds what it heard in the file
# named by ALTAVESH_HEARD.
#   usage: on_desktop.sh openbox|mutter|weston <program> [arguments]
set -euo pipefail
[[ -n "${ALTAVESH_OWN_BUS:-}" ]] || ALTAVESH_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
desktop="$1"
shift

listen() {
    [[ -n "${ALTAVESH_LISTEN:-}" ]] || return 0
    export ALTAVESH_HEARD="$1/heard"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    helpers+=($!)
    /usr/bin/python3 "$(dirname "$0")/app/listen.py" "$ALTAVESH_HEARD" >"$1/listening" 2>&1 &
    helpers+=($!)
    for _ in $(seq 200); do
        grep -q listening "$1/listening" && return 0
        sleep 0.05
    done
    cat "$1/listening" >&2
    exit 1
}

helpers=()
stop() {
    kill "${helpers[@]}" 2>/dev/null || true
    [[ -n "${server:-}" ]] || return 0
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
}

if [[ "$desktop" == weston ]]; then
    XDG_RUNTIME_DIR="$(mktemp -d)" # mode 0700, as Wayland asks
    export XDG_RUNTIME_DIR
    trap 'stop; rm -rf "$XDG_RUNTIME_DIR"' EXIT
    socket="wayland-altavesh-$$"
    # Weston 10 (Debian 12) names backend and renderer one way, later ones another.
    if weston --help 2>&1 | grep -q -- '--renderer'; then
        flags=(--backend=headless --renderer=pixman)
    else
        flags=(--backend=headless-backend.so --use-pixman)
    fi
    weston "${flags[@]}" --socket="$socket" --width=1280 --height=1024 --idle-time=0 \
        >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
    server=$!
    for _ in $(seq 200); do
        [[ -S "$XDG_RUNTIME_DIR/$socket" ]] && break
        kill -0 "$server" 2>/dev/null || { cat "$XDG_RUNTIME_DIR/weston.log" >&2; exit 1; }
        sleep 0.05
    done
    unset DISPLAY
    listen "$XDG_RUNTIME_DIR"
    # A headless weston has no seat; Qt 6.4's text input then crashes on a
    # click into a text box, so no input method is loaded.
    run() { WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_IM_MODULE=none "$@"; }
    # Qt 6.4's Wayland client now and then releases a Wayland object twice
    # from two threads, and libwayland aborts. Only that abort, recognised by
    # its own message, gets one more run; any other failure stands.
    log="$XDG_RUNTIME_DIR/stderr"
    status=0
    run "$@" 2>"$log" || status=$?
    cat "$log" >&2
    if ((status == 134)) && grep -q "wl_proxy_unref: Assertion .proxy->refcount > 0' failed" "$log"; then
        echo "on_desktop.sh: Qt's Wayland client aborted in libwayland (above); running once more" >&2
        status=0
        run "$@" || status=$?
    fi
    exit "$status"
fi

[[ "${1:-}" == --inside ]] ||
    exec xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp' "$0" "$desktop" --inside "$@"
shift
case "$desktop" in
openbox) wm=(openbox --sm-disable) ;;
mutter) wm=(mutter --x11 --replace --sm-disable) ;;
*)
    echo "unknown desktop: $desktop" >&2
    exit 2
    ;;
esac
work="$(mktemp -d)"
trap 'stop; rm -rf "$work"' EXIT
# Until the window manager manages the screen, windows would open unmanaged;
# mutter takes a few seconds. One that gives up at once is started again.
for attempt in 1 2 3; do
    "${wm[@]}" >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 400); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break 2
        kill -0 "$server" 2>/dev/null || break
        sleep 0.05
    done
    ((attempt < 3)) || { echo "$desktop did not start" >&2; exit 1; }
done
# The keyboard has the digits and separators of the Arabic and Persian regions
# on keys of their own, as those regions' layouts have them: an Arabic digit,
# and with Shift the Persian one.
spare=($(xmodmap -pke | awk 'NF == 3 { print $2 }'))
keys=()
for pair in "U0660 U06F0" "U0661 U06F1" "U0662 U06F2" "U0663 U06F3" "U0664 U06F4" "U0665 U06F5" \
    "U0666 U06F6" "U0667 U06F7" "U0668 U06F8" "U0669 U06F9" "U066B U066B" "U066C U066C"; do
    keys+=(-e "keycode ${spare[${#keys[@]} / 2]} = $pair")
done
xmodmap "${keys[@]}"
listen "$work"
QT_QPA_PLATFORM=xcb "$@"
