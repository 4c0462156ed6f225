#!/usr/bin/env bash
# Long randomized walks through both windows (see tests/app/tst_soak.cpp).
#   usage: scripts/soak.sh [actions per walk] [walks]   (default 20000, 5)
# Each walk has a seed of its own, printed so that a failure can be replayed
# with ALTAVESH_SOAK_SEED=<seed> ALTAVESH_SOAK_ACTIONS=<n> build/bin/tst_soak.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
actions="${1:-20000}"
walks="${2:-5}"
cmake --build "$root/build" --target tst_soak >/dev/null
for ((i = 0; i < walks; i++)); do
    seed=$(( (RANDOM << 15) | RANDOM ))
    echo "walk $((i + 1)) of $walks: seed $seed, $actions actions"
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ALTAVESH_SOAK_SEED=$seed ALTAVESH_SOAK_ACTIONS=$actions \
        "$root/build/bin/tst_soak" 2>&1 | grep -E '^(FAIL|QINFO|Totals)' | sed 's/^/  /'
    [[ ${PIPESTATUS[0]} -eq 0 ]] || { echo "walk failed: seed $seed"; exit 1; }
done
