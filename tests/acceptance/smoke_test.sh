#!/usr/bin/env bash
# Starts the built program as a user would, `VarnholtReader FILE`, and passes when a top-level
# window whose title names the file appears within a minute and the program wrote no GTK
# critical and no wx assertion to stderr. Exits 77 (skipped) without a display.
# Usage: smoke_test.sh PROGRAM SCHEDULE_FOLDER
set -uo pipefail
program=$1
schedules=$2
if [[ -z "${DISPLAY:-}" ]]; then echo "no display: smoke test skipped"; exit 77; fi
command -v xwininfo >/dev/null || { echo "xwininfo (x11-utils) is missing"; exit 1; }

work=$(mktemp -d)
pid=
cleanup() {
    if [[ -n "$pid" ]]; then kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; fi
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CONFIG_DIRS="$work/machine"
cp "$schedules/small_schedule.xer" "$work/smoke.xer"
cd "$work"

"$program" "$work/smoke.xer" 2>"$work/stderr" &
pid=$!
shown=0
for _ in $(seq 600); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"smoke.xer - VarnholtReader"'; then shown=1; break; fi
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.1
done
if [[ "$shown" -ne 1 ]]; then
    echo "no window titled \"smoke.xer - VarnholtReader\" appeared"
    cat "$work/stderr"
    exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null
pid=
if grep -E 'CRITICAL|assert' "$work/stderr"; then
    echo "the program reported a fault on stderr"
    exit 1
fi
echo "window shown, stderr clean"
