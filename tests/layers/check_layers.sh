#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Each folder of src/ includes only itself and the layers below it:
#   main.cpp -> app -> main_window, results_window -> windowing -> numeric
set -euo pipefail
src="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../src" && pwd)"
declare -A allowed=(
    [numeric]="numeric"
    [windowing]="windowing numeric"
    [main_window]="main_window windowing numeric"
    [results_window]="results_window windowing numeric"
    [app]="app main_window results_window windowing numeric"
)
status=0
for layer in "${!allowed[@]}"; do
    while IFS=: read -r file line folder; do
        if [[ " ${allowed[$layer]} " != *" $folder "* ]]; then
            echo "$file:$line: $layer/ includes $folder/" >&2
            status=1
        fi
    done < <(grep -rnoE '^#include "[a-z_]+/' "$src/$layer" | sed -E 's/#include "([a-z_]+)\//\1/')
done
((status == 0)) && echo "every include follows the layers"
exit $status
