#!/usr/bin/env bash
# Runs that end maximized and runs that start maximized and end normal, in turn, three times
# over the same per-user folders, each a process of its own as the user's starts are. Run under
# a window manager that draws the title bar (under_mutter.sh).
# Usage: maximized_cycles.sh PROGRAM
set -uo pipefail
program=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
for _ in 1 2 3; do
    for filter in '*ARunThatEndsMaximized*' '*ARunThatStartsMaximizedAndEndsNormal*'; do
        VARNHOLT_TEST_FOLDER="$folder" "$program" --gtest_filter="$filter" 2>&1 | tee "$folder/output"
        status=${PIPESTATUS[0]}
        if [[ "$status" -ne 0 ]]; then exit "$status"; fi
        grep -q '^\[       OK \]' "$folder/output" || { echo "$filter did not run"; exit 1; }
    done
done
