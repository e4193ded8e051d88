#!/usr/bin/env bash
# A move to a smaller screen: runs the workspace tests twice over the same per-user folders,
# first on a 1920 x 1200 screen, then on a 1280 x 720 one, each under a virtual X server of its
# own. Exits 77 (skipped) where no virtual X server can be had.
# Usage: restart_on_smaller_screen.sh PROGRAM
set -uo pipefail
program=$1
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: skipped"; exit 77; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
for run in "1920x1200 *SmallerScreenTest.FirstStart*" "1280x720 *SmallerScreenTest.NextStart*"; do
    read -r screen filter <<<"$run"
    VARNHOLT_TEST_FOLDER="$folder" xvfb-run -a -s "-screen 0 ${screen}x24 -dpi 96 -nolisten tcp" \
        "$program" --gtest_filter="$filter" 2>&1 | tee "$folder/output"
    status=${PIPESTATUS[0]}
    if [[ "$status" -ne 0 ]]; then exit "$status"; fi
    grep -q '^\[       OK \]' "$folder/output" || { echo "the test on $screen did not run"; exit 1; }
done
