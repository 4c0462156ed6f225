#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Long randomized walks through both windows (the "walk" step of tests/support/driver.cpp, played
# by tests/app/tst_program.cpp).
#   usage: scripts/soak.sh [steps per walk] [walks]   (default 20000, 5)
# Each walk has a seed of its own, printed so that a failure can be replayed
# with ALTAVESH_SOAK_SEED=<seed> ALTAVESH_SOAK_STEPS=<n> build/bin/tst_program "rows:soak: a random walk keeps every input".
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
steps="${1:-20000}"
walks="${2:-5}"
cmake --build "$root/build" --target tst_program >/dev/null
for ((i = 0; i < walks; i++)); do
    seed=$(( (RANDOM << 15) | RANDOM ))
    echo "walk $((i + 1)) of $walks: seed $seed, $steps steps"
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ALTAVESH_SOAK_SEED=$seed ALTAVESH_SOAK_STEPS=$steps \
        "$root/build/bin/tst_program" "rows:soak: a random walk keeps every input" 2>&1 | grep -E '^(FAIL|QINFO|Totals)' | sed 's/^/  /'
    [[ ${PIPESTATUS[0]} -eq 0 ]] || { echo "walk failed: seed $seed"; exit 1; }
done
