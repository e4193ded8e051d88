#!/usr/bin/env bash
# Starts the built program as a user would, `VarnholtReader FILE` and then `VarnholtReader`
# alone, and passes when each time a top-level window with the expected title appears within a
# minute and is drawn, and the program wrote nothing at all on the terminal while it started and
# settled. With --close, each run ends as a user ends it, by the window manager's close: the
# program must then end by itself, with status 0 and still nothing on the terminal. A file whose
# name is not ASCII opens also where the locale's character set is ASCII alone (LANG=C), and so
# does one that is not UTF-8; the toolkit's own options before the file leave it the file, and
# so does "--" before a name that starts with '-'.
# Exits 77 (skipped) without a display.
# Usage: smoke_test.sh [--close] PROGRAM SCHEDULE_FOLDER
set -uo pipefail
close=0
if [[ "${1:-}" == "--close" ]]; then close=1; shift; fi
program=$1
schedules=$2
if [[ -z "${DISPLAY:-}" ]]; then echo "no display: smoke test skipped"; exit 77; fi
command -v xwininfo >/dev/null || { echo "xwininfo (x11-utils) is missing"; exit 1; }
if [[ "$close" -eq 1 ]]; then command -v wmctrl >/dev/null || { echo "wmctrl is missing"; exit 1; }; fi
source "$(dirname "${BASH_SOURCE[0]}")/window_drawn.sh"

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

# end_by_close TITLE: the window manager asks the window to close; the program ends within a
# minute with status 0.
end_by_close() {
    wmctrl -F -c "$1"
    for _ in $(seq 600); do
        if ! kill -0 "$pid" 2>/dev/null; then break; fi
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "\"$1\" was asked to close and did not end within a minute"
        exit 1
    fi
    wait "$pid"
    local status=$?
    if [[ "$status" -ne 0 ]]; then
        echo "\"$1\" ended with status $status after a close request:"
        cat "$work/output"
        exit 1
    fi
}

# start TITLE [FILE]: the window appears, and the terminal stays empty until it has settled.
start() {
    local title=$1
    shift
    env ${program_locale:+LANG=$program_locale LC_ALL=$program_locale} "$program" "$@" >"$work/output" 2>&1 &
    pid=$!
    local shown=0
    for _ in $(seq 600); do
        if xwininfo -root -tree 2>/dev/null | grep -q "\"$title\""; then shown=1; break; fi
        if ! kill -0 "$pid" 2>/dev/null; then break; fi
        sleep 0.1
    done
    # Settled once the window is drawn, which takes the window system's answers too.
    local drawn=0
    for _ in $(seq 100); do
        if [[ "$shown" -ne 1 ]] || ! kill -0 "$pid" 2>/dev/null; then break; fi
        if [[ -n "$(accent_corner "$DISPLAY")" ]]; then drawn=1; break; fi
        sleep 0.1
    done
    if [[ "$shown" -ne 1 || "$drawn" -ne 1 ]]; then
        echo "no window titled \"$title\" appeared and was drawn"
        cat "$work/output"
        exit 1
    fi
    if [[ "$close" -eq 1 ]]; then end_by_close "$title"; else kill "$pid"; wait "$pid" 2>/dev/null; fi
    pid=
    if [[ -s "$work/output" ]]; then
        echo "starting with \"$*\" wrote on the terminal:"
        cat "$work/output"
        exit 1
    fi
}

start "smoke.xer - VarnholtReader" "$work/smoke.xer"
start "VarnholtReader"
cp "$work/smoke.xer" "$work/Übergabe.xer"
program_locale=C start "Übergabe.xer - VarnholtReader" "$work/Übergabe.xer"
# A name in Latin-1, as old shares leave them: it opens, the title marking what it cannot show.
latin=$(printf 'Stra\xdfe \xdcbergabe.xer')
cp "$work/smoke.xer" "$work/$latin"
program_locale=C.UTF-8 start "Stra�e �bergabe.xer - VarnholtReader" "$work/$latin"
# The toolkit's own options before the file are the toolkit's.
program_locale= start "smoke.xer - VarnholtReader" --name=viewer --class=Viewer "$work/smoke.xer"
# "--" ends the options: a name after it that starts with '-' is the file.
cp "$work/smoke.xer" "$work/-x.xer"
program_locale= start "-x.xer - VarnholtReader" -- -x.xer
echo "windows shown, nothing on the terminal"
