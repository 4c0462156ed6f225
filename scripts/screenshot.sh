#!/usr/bin/env bash
# Starts the calculator on a virtual screen, fills in an example as a user
# would (keys only), opens the results in Pakistani rupees, and saves a
# picture of both windows. Needs the build from scripts/bootstrap.sh and the
# packages xvfb, xdotool and imagemagick.
#   usage: scripts/screenshot.sh [output.png]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-$root/docs/screenshot.png}")"
program="${ALTAVESH_BUILD_DIR:-$root/build}/bin/Al-Tavesh"

if [[ -z "${ALTAVESH_IN_XVFB:-}" ]]; then
    for tool in xvfb-run xdotool import; do
        command -v "$tool" >/dev/null || { echo "missing: $tool (apt-get install xvfb xdotool imagemagick)" >&2; exit 1; }
    done
    ALTAVESH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1320x720x24" "$0" "$out"
fi

"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
sleep 5 # the window and both chart pages

keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
type_() { xdotool type --delay 40 "$1"; sleep 0.2; }

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
import -window root -crop 1150x540+160+130 +repage "$out"
echo "saved $out"
