#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up, page loading, memory and handler figures of the calculator,
# each against a bare Qt program doing the same in the same run, under Xvfb.
#   usage: bench/measure.sh [rounds]   (default 7; medians are printed)
# Needs the build from scripts/bootstrap.sh and xvfb. With ALTAVESH_BEFORE set
# to another build folder (of an earlier version), its perf_app is measured
# in the same rounds, as "before". Run as root, the browser engine's sandbox
# is off; run as another user, it is on.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
rounds="${1:-7}"
bin="${ALTAVESH_BUILD_DIR:-$root/build}/bin"

if [[ -z "${ALTAVESH_IN_XVFB:-}" ]]; then
    cmake --build "${ALTAVESH_BUILD_DIR:-$root/build}" --target perf_app perf_bare perf_bare_gl perf_bare_panes bench_textrules >/dev/null
    ALTAVESH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
[[ $(id -u) -eq 0 ]] && export QTWEBENGINE_DISABLE_SANDBOX=1
unset QT_QPA_PLATFORM

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

# Milliseconds from starting the process to its "ready" line, then to its
# window mapped: "ready mapped".
time_ready() {
    local start ready mapped
    start=$(date +%s%N)
    read -r ready mapped < <("$bin/$1" "${@:2}" 2>/dev/null |
        awk '$1 == "mapped" {m = $2} $1 == "ready" {print $2, m; exit}')
    echo "$(( (ready - start) / 1000000 )) $(( (mapped - start) / 1000000 ))"
}

# PSS in MiB of a process and all its descendants.
tree_pss() {
    local pids=("$1") all=() p
    while ((${#pids[@]})); do
        all+=("${pids[@]}")
        local next=()
        for p in "${pids[@]}"; do next+=($(pgrep -P "$p" || true)); done
        pids=("${next[@]}")
    done
    for p in "${all[@]}"; do awk '/^Pss:/ {print $2}' "/proc/$p/smaps_rollup" 2>/dev/null || true; done |
        awk '{s += $1} END {printf "%.1f", s / 1024}'
}

# Milliseconds to both pages loaded, then the memory 2 s later, of the whole
# tree and of the main process: "ms MiB MiB".
pages_and_memory() {
    local out start end pid
    out=$(mktemp)
    start=$(date +%s%N)
    "$bin/$1" "${@:2}" >"$out" 2>/dev/null &
    pid=$!
    for _ in $(seq 1 300); do
        grep -q '^pages' "$out" && break
        sleep 0.05
    done
    end=$(awk '$1 == "pages" {print $2}' "$out")
    sleep 2
    echo "$(( (end - start) / 1000000 )) $(tree_pss "$pid") $(awk '/^Pss:/ {printf "%.1f", $2 / 1024}' "/proc/$pid/smaps_rollup")"
    kill "$pid"; wait "$pid" 2>/dev/null || true
    rm -f "$out"
}

declare -A samples
before="${ALTAVESH_BEFORE:+$ALTAVESH_BEFORE/bin/perf_app}"
[[ -n "$before" && "$(readlink "$bin/perf_before")" != "$before" ]] && ln -sf "$before" "$bin/perf_before" # Qt finds its pages and plugin where the link points
for ((i = 0; i < rounds; i++)); do
    for program in bare bare-gl app ${before:+before}; do
        read -r ms map < <(time_ready "perf_${program//-/_}" app-ready)
        samples[$program-ready]+="$ms "
        samples[$program-map]+="$map "
    done
    read -r ms mib main < <(pages_and_memory perf_bare_panes)
    samples[bare-pages]+="$ms "
    samples[bare-pages-pss]+="$mib "
    samples[bare-main-pss]+="$main "
    for program in app ${before:+before}; do
        read -r ms mib main < <(pages_and_memory "perf_$program" app-pages)
        samples[$program-pages]+="$ms "
        samples[$program-pages-pss]+="$mib "
        samples[$program-main-pss]+="$main "
    done
    samples[bare-stall]+="$("$bin/perf_bare_panes" stall 2>/dev/null | awk '$1 == "stall" {print $2}') "
    samples[app-stall]+="$("$bin/perf_app" app-stall 2>/dev/null | awk '$1 == "stall" {print $2}') "
done
m() { tr ' ' '\n' <<<"${samples[$1]}" | grep . | median; }

echo "== start-up to the main window painted, focus in Text1 (ms, median of $rounds)"
echo "bare Qt Widgets window $(m bare-ready)   calculator $(m app-ready)   ratio $(ratio "$(m app-ready)" "$(m bare-ready)")"
echo "bare window with the shared OpenGL context WebEngine needs $(m bare-gl-ready)   ratio $(ratio "$(m app-ready)" "$(m bare-gl-ready)")"
echo "== start-up to the main window mapped (X MapNotify; ms, median of $rounds)"
echo "bare Qt Widgets window $(m bare-map)   calculator $(m app-map)   ratio $(ratio "$(m app-map)" "$(m bare-map)")"
echo "bare window with the shared OpenGL context $(m bare-gl-map)   ratio $(ratio "$(m app-map)" "$(m bare-gl-map)")"
echo "== start-up to both chart pages loaded (ms)"
echo "bare two-view window $(m bare-pages)   calculator $(m app-pages)   ratio $(ratio "$(m app-pages)" "$(m bare-pages)")"
echo "== the longest wait for an answer to input in the first 3 s, while the pages start (ms)"
echo "bare two-view window $(m bare-stall)   calculator $(m app-stall)   ratio $(ratio "$(m app-stall)" "$(m bare-stall)")"
echo "== memory, whole process tree with both pages loaded (PSS MiB)"
echo "bare two-view window $(m bare-pages-pss)   calculator $(m app-pages-pss)   ratio $(ratio "$(m app-pages-pss)" "$(m bare-pages-pss)")"
echo "   main process alone: bare $(m bare-main-pss)   calculator $(m app-main-pss)"
if [[ -n "$before" ]]; then
    echo "== the build in $ALTAVESH_BEFORE, in the same rounds"
    echo "start-up painted $(m before-ready)   ratio to the bare window $(ratio "$(m before-ready)" "$(m bare-ready)")   (calculator $(ratio "$(m app-ready)" "$(m bare-ready)"))"
    echo "start-up mapped $(m before-map)   ratio to the bare window $(ratio "$(m before-map)" "$(m bare-map)")   (calculator $(ratio "$(m app-map)" "$(m bare-map)"))"
    echo "memory $(m before-pages-pss)   ratio to the bare two-view window $(ratio "$(m before-pages-pss)" "$(m bare-pages-pss)")   main process $(m before-main-pss)"
fi
echo "== one handler and the painting of what it changed (microseconds, mean of 2000)"
"$bin/perf_app" handlers 2>/dev/null | awk '$1 == "mapped" {next} !bare {bare = $2; print "bare setText + paint " $2; next}
    {printf "%s %s   ratio to the bare setText + paint %.2f\n", $1, $2, $2 / bare}'
echo "== numeric rules against the standard library"
"${ALTAVESH_BUILD_DIR:-$root/build}/bench/bench_textrules" --benchmark_min_time=0.2 --benchmark_color=false 2>/dev/null | sed 's/\x1b\[[0-9;]*m//g' | grep ' = '
