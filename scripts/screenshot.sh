#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the calculator on a virtual screen, fills in an example as a user
# would (keys only), opens the results in Pakistani rupees, and saves a
# picture of both windows, framed by the openbox window manager. With
# "pages", it instead converts a dealer's price of gold per tola and a weight
# in tolas in the gold page, and types both results into the main window.
# Needs the build from scripts/bootstrap.sh and the packages xvfb, openbox,
# x11-utils, xdotool and imagemagick.
#   usage: scripts/screenshot.sh [pages] [output.png]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
what=results
[[ "${1:-}" == pages ]] && { what=pages; shift; }
[[ "${1:-}" == results ]] && shift
out="$(realpath -m "${1:-$root/docs/screenshot.png}")"
[[ $what == pages && -z "${1:-}" ]] && out="$root/docs/chart-pages.png"
program="${ALTAVESH_BUILD_DIR:-$root/build}/bin/Al-Tavesh"

if [[ -z "${ALTAVESH_IN_XVFB:-}" ]]; then
    for tool in xvfb-run openbox xprop xdotool import; do
        command -v "$tool" >/dev/null || { echo "missing: $tool (apt-get install xvfb openbox x11-utils xdotool imagemagick)" >&2; exit 1; }
    done
    ALTAVESH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1320x720x24" "$0" "$what" "$out"
fi

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do sleep 0.1; done
"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid $wm 2>/dev/null || true' EXIT
sleep 5 # the window and both chart pages

keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
type_() { xdotool type --delay 40 "$1"; sleep 0.2; }

if [[ $what == pages ]]; then
    # The window's client area is at 170,140; the gold page's price field at
    # about 45,32 in its pane, which is at 176,80 in the window.
    xdotool mousemove 390 252 click 1; sleep 0.5
    type_ "21500"; keys Tab Down Down  # a price per tola; the page shows 52366.76
    keys Tab; type_ 10; keys Tab Down  # 10 tola weighed; the page shows 116.64
    xdotool mousemove 558 534 click 1; sleep 0.3  # the weight of gold, in grams
    keys ctrl+a; type_ 116.64
    xdotool mousemove 558 558 click 1; sleep 0.3  # its price, as the page shows it
    keys ctrl+a; type_ 52366.76
    xdotool mousemove 620 534 click 1; sleep 0.3  # its unit
    keys ctrl+a; type_ Gram; keys Tab
    sleep 1
    mkdir -p "$(dirname "$out")"
    import -window root -crop 700x590+160+100 +repage "$out"
    echo "saved $out"
    exit
fi

keys ctrl+a; type_ 1000; keys Tab   # cash
type_ 2000; keys Tab                # shares
type_ 0; keys Tab                   # certificates
type_ 4000; keys Tab                # merchandise
type_ 10; keys Tab                  # gold weight
type_ 1000; keys Tab                # gold price
type_ 50; keys Tab Tab Tab          # silver weight, past both buttons
keys ctrl+a; type_ Gram; keys Tab   # gold unit
keys ctrl+a; type_ Ounce; keys Tab  # silver unit
type_ 20; keys Tab                  # silver price
keys alt+a                          # C&alculate
sleep 1
results=$(xdotool search --name '^Zakat Results$' | head -1)
xdotool windowmove "$results" 880 140
keys Tab Down Down shift+Tab space  # Rs. Pakistan, then Calculate
sleep 1

mkdir -p "$(dirname "$out")"
import -window root -crop 1160x580+160+100 +repage "$out"
echo "saved $out"
