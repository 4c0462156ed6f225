#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Started as from the desktop entry, the calculator writes nothing on standard
# error (which lands in the user's journal) until both chart pages have
# loaded. Only Chromium's own note that it runs without its sandbox, as it
# does for root, may stand. The panes then draw in software: no Mesa driver
# and no LLVM in the program. Run on a desktop by on_desktop.sh.
#   usage: quiet_start.sh <program>
set -euo pipefail
program="$1"
work="$(mktemp -d)"
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
# A desktop session has a runtime folder; without one Qt rightly warns.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work}"
unset QT_LOGGING_RULES

# The pages are seen loaded through the browser engine's debugging port,
# which announces itself on standard error; those lines are the test's own.
port=$((30000 + RANDOM % 20000))
QTWEBENGINE_REMOTE_DEBUGGING="127.0.0.1:$port" "$program" 2>"$work/stderr" &
pid=$!
loaded=""
for _ in $(seq 600); do
    listing=$(curl -s --max-time 2 "http://127.0.0.1:$port/json/list" || true)
    if [[ "$listing" == *'"title": "Gold price"'* && "$listing" == *'"title": "Silver price"'* ]]; then
        loaded=yes
        break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
cp "$work/stderr" "$work/until-loaded"
[[ -n "$loaded" ]] || { cat "$work/until-loaded" >&2; echo "FAIL: the pages did not load" >&2; exit 1; }

allowed=("^$" "^DevTools listening on ws://127\.0\.0\.1:$port/"
         "^Remote debugging server started successfully\. .* http://127\.0\.0\.1:$port\$"
         "^Added \{--remote-allow-origins=\*\} to command-line arguments to avoid web socket") # Qt 6.8
[[ $(id -u) -eq 0 ]] && allowed+=("^Sandboxing disabled by user\.\$")
printed=$(grep -v -E "$(IFS='|'; echo "${allowed[*]}")" "$work/until-loaded" || true)
if [[ -n "$printed" ]]; then
    printf 'FAIL: printed on standard error before the pages loaded:\n%s\n' "$printed" >&2
    exit 1
fi
echo "nothing printed on standard error until both pages loaded"
gl=$(grep -o -E '[^/]*(_dri\.so|libgallium|libLLVM)[^/]*$' "/proc/$pid/maps" | sort -u || true)
[[ -z "$gl" ]] || { printf 'FAIL: OpenGL in the program: %s\n' "$gl" >&2; exit 1; }
echo "no OpenGL in the program once both pages loaded"
