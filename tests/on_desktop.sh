#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a desktop of its own, started here and stopped when
# the program ends:
#   openbox         a private Xvfb with openbox (xcb)
#   gnome-wayland   GNOME's compositor, mutter, headless; the program a native
#                   Wayland client (wayland)
#   gnome-xwayland  the same mutter, the program on its Xwayland (xcb), as
#                   where Qt's Wayland plugin is not installed
# Each desktop has a session bus of its own, which ends with it; on GNOME it
# also stands for the system bus, where the machine's keyboard set-up is
# (desktop/localed.py). The keyboard has the digits and separators of the
# Arabic and Persian regions on keys of their own. With ALTAVESH_LISTEN set,
# a listener on its accessibility bus hears what a screen reader would
# (listen.py), and the program finds what it heard in the file named by
# ALTAVESH_HEARD.
#   usage: on_desktop.sh openbox|gnome-wayland|gnome-xwayland <program> [arguments]
set -euo pipefail
[[ -n "${ALTAVESH_OWN_BUS:-}" ]] || ALTAVESH_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
desktop="$1"
shift
# xvfb-run -a, started just as the last server on the same number goes,
# now and then runs the program with no server there, or one that is going:
# then again, on a server of its own.
if [[ "$desktop" == openbox && "${1:-}" != --inside ]]; then
    for _ in 1 2 3; do
        status=0
        xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp' "$0" "$desktop" --inside "$@" || status=$?
        ((status == 75)) || exit "$status"
    done
    exit 1
fi
[[ "${1:-}" == --inside ]] && shift

helpers=()
work="$(mktemp -d)" # mode 0700, as a runtime folder must be
trap 'kill "${helpers[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT

# Waits until `what` holds, for at most 10 s, while the helper `pid` lives.
until_ready() { # pid what...
    local pid="$1"
    shift
    for _ in $(seq 200); do
        "$@" >/dev/null 2>&1 && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    return 1
}

listen() {
    [[ -n "${ALTAVESH_LISTEN:-}" ]] || return 0
    export ALTAVESH_HEARD="$work/heard"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    helpers+=($!)
    /usr/bin/python3 "$here/app/listen.py" "$ALTAVESH_HEARD" >"$work/listening" 2>&1 &
    helpers+=($!)
    until_ready $! grep -q listening "$work/listening" || { cat "$work/listening" >&2; exit 1; }
}

case "$desktop" in
gnome-wayland | gnome-xwayland)
    export XDG_RUNTIME_DIR="$work" XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland
    export DBUS_SYSTEM_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" GSETTINGS_BACKEND=memory
    /usr/bin/python3 "$here/desktop/localed.py" >"$work/localed" 2>&1 &
    helpers+=($!)
    until_ready $! grep -q ready "$work/localed" || { cat "$work/localed" >&2; exit 1; }
    x11=(--no-x11)
    [[ "$desktop" == gnome-xwayland ]] && x11=()
    # Its layouts come from XDG_CONFIG_HOME/xkb (the regional digits' option).
    # No animations, as for a user who has GNOME's "Reduce Animation" on (bare
    # mutter knows only its debug switch for it): a window stands where it
    # opens, at its size, from the moment it is shown. Its settings are those
    # of desktop/glib-2.0: GNOME 48 opens every window in the middle, so the
    # results window would cover the main one, and a native Wayland window
    # cannot ask to be moved aside (the hand does it on X); there "Center New
    # Windows" is off, as on GNOME 43 (in GNOME Tweaks, under Windows).
    XDG_CONFIG_HOME="$here/desktop" GSETTINGS_BACKEND=keyfile MUTTER_DEBUG_DISABLE_ANIMATIONS=1 mutter --headless --wayland "${x11[@]}" \
        --virtual-monitor 1280x1024 --wayland-display="wayland-altavesh-$$" >"$work/mutter.log" 2>&1 &
    helpers+=($!)
    # Ready once its remote desktop, which the test hand goes through, is on the bus.
    until_ready $! gdbus introspect --session --dest org.gnome.Mutter.RemoteDesktop \
        --object-path /org/gnome/Mutter/RemoteDesktop || { cat "$work/mutter.log" >&2; exit 1; }
    export WAYLAND_DISPLAY="wayland-altavesh-$$"
    unset DISPLAY
    platform=wayland
    if [[ "$desktop" == gnome-xwayland ]]; then
        until_ready "${helpers[-1]}" grep -q "Using public X11 display" "$work/mutter.log" ||
            { cat "$work/mutter.log" >&2; exit 1; }
        DISPLAY=$(grep -o "Using public X11 display :[0-9]*" "$work/mutter.log" | grep -o ":[0-9]*")
        XAUTHORITY=$(ls "$work"/.mutter-Xwaylandauth.*)
        export DISPLAY XAUTHORITY
        platform=xcb
    fi
    listen
    status=0
    QT_QPA_PLATFORM=$platform "$@" || status=$?
    ((status == 0)) || tail -n 20 "$work/mutter.log" >&2
    exit "$status"
    ;;
openbox) ;;
*)
    echo "unknown desktop: $desktop" >&2
    exit 2
    ;;
esac

# Until the window manager manages the screen, windows would open unmanaged.
openbox --sm-disable >"$work/openbox.log" 2>&1 &
helpers+=($!)
until_ready $! sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" ||
    { cat "$work/openbox.log" >&2; echo "openbox did not start on $DISPLAY" >&2; exit 75; }
# The regional digits: an Arabic digit on each spare key, and with Shift the
# Persian one.
spare=($(xmodmap -pke | awk 'NF == 3 { print $2 }'))
keys=()
for pair in "U0660 U06F0" "U0661 U06F1" "U0662 U06F2" "U0663 U06F3" "U0664 U06F4" "U0665 U06F5" \
    "U0666 U06F6" "U0667 U06F7" "U0668 U06F8" "U0669 U06F9" "U066B U066B" "U066C U066C"; do
    keys+=(-e "keycode ${spare[${#keys[@]} / 2]} = $pair")
done
xmodmap "${keys[@]}"
listen
status=0
QT_QPA_PLATFORM=xcb "$@" || status=$?
exit $((status == 75 ? 1 : status)) # 75 asks for another server
