#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ file of the project is as .clang-format writes it, and no include
# climbs out of its folder ("../app/..."), past the layers' include folders.
#   usage: check_style.sh
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
mapfile -t files < <(find "$root/src" "$root/tests" "$root/bench" \( -name '*.cpp' -o -name '*.h' \) | sort)
clang-format --dry-run --Werror "${files[@]}"
if grep -n '^#include "\.\./' "${files[@]}" >&2; then
    echo "FAIL: an include climbs out of its folder (above)" >&2
    exit 1
fi
echo "${#files[@]} files as $(clang-format --version | grep -o 'version [0-9.]*') writes them"
