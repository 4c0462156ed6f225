#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a machine made busy on purpose: two CPU-bound processes
# run beside it for as long as it runs.
#   usage: busy.sh <command> [arguments]
set -u
for _ in 1 2; do
    (while :; do :; done) &
done
trap 'kill $(jobs -p) 2>/dev/null' EXIT
"$@"
