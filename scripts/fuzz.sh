#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A timed libFuzzer campaign on the numeric text rules (clang, with
# AddressSanitizer and UndefinedBehaviorSanitizer). New inputs that add
# coverage are kept in build-fuzz/corpus; findings land in build-fuzz/findings.
#   usage: scripts/fuzz.sh [seconds]   (default 600)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-600}"
build="$root/build-fuzz"

command -v clang++ >/dev/null && [[ -n "$(find /usr/lib/llvm-*/lib/clang -name 'libclang_rt.fuzzer-x86_64.a' 2>/dev/null)" ]] ||
    { echo "needs clang and libFuzzer: apt-get install clang libclang-rt-14-dev" >&2; exit 1; }
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DALTAVESH_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_textrules
mkdir -p "$build/corpus" "$build/findings"
cp -n "$root"/tests/numeric/corpus/* "$build/corpus/"

jobs=$(nproc)
cd "$build" # libFuzzer writes its per-job logs (fuzz-N.log) here
rm -f fuzz-*.log
"$build/fuzz_textrules" "$build/corpus" \
    -max_total_time="$seconds" -max_len=256 -jobs="$jobs" -workers="$jobs" \
    -artifact_prefix="$build/findings/" -print_final_stats=1 2>&1 | tee "$build/fuzz.log" |
    grep -E 'Done|stat::|ERROR|SUMMARY' || true
findings=$(find "$build/findings" -type f | wc -l)
echo "executions: $(grep -h 'stat::number_of_executed_units' "$build"/fuzz-*.log 2>/dev/null | awk '{s += $2} END {print s + 0}')"
echo "corpus: $(ls "$build/corpus" | wc -l) inputs; findings: $findings"
[[ "$findings" -eq 0 ]]
