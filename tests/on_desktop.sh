#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a real X server with a window manager: a private
# Xvfb with openbox, started here and stopped when the program ends.
#   usage: on_desktop.sh <program> [arguments]
set -euo pipefail
[[ "${1:-}" == --inside ]] || exec xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp' "$0" --inside "$@"
shift
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true; wait "$wm" 2>/dev/null || true' EXIT
# Until openbox manages the screen, windows would open unmanaged.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
QT_QPA_PLATFORM=xcb "$@"
