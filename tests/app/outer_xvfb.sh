# outer_xvfb.sh - sourced by the runners that nest a compositor in a private Xvfb: a temporary
# folder, a bounded wait, and the Xvfb itself. The runner adds the pids of what it
# starts later to `cleanup_pids`, and may define `before_cleanup`, so that everything ends with
# the script.

work=$(mktemp -d)
xvfb=
cleanup_pids=()
cleanup() {
    if declare -F before_cleanup >/dev/null; then before_cleanup; fi
    for pid in "${cleanup_pids[@]}" $xvfb; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

# Ends the script as skipped (77) where one of the commands named is not installed.
require_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
    done
}

# Waits up to a minute for a condition given as a command: a machine busy with other work may
# take that long to start a server.
wait_for() {
    for _ in $(seq 1200); do
        if "$@"; then return 0; fi
        sleep 0.05
    done
    return 1
}

# Starts a server of the desktop in the background and waits until it is ready; one that does not
# come up (a busy machine makes a window manager miss its display now and then) is ended and
# started again, three times at most. The server's pid is then in `started`, its output in LOG.
# Usage: start_service LOG READY-CHECK... -- COMMAND...   (false: it never came up; LOG says why)
start_service() {
    local log=$1
    shift
    local ready=()
    while [[ "$1" != "--" ]]; do ready+=("$1"); shift; done
    shift
    for attempt in 1 2 3; do
        "$@" >"$log" 2>&1 &
        started=$!
        cleanup_pids+=("$started")
        if wait_for "${ready[@]}"; then return 0; fi
        echo "the server did not come up (attempt $attempt):"; cat "$log"
        pkill -P "$started" 2>/dev/null; kill "$started" 2>/dev/null; wait "$started" 2>/dev/null
    done
    return 1
}

# Starts the Xvfb with a screen of the given size and names it in `outer`; ends the script where
# it cannot start. Also makes the private runtime folder a compositor needs.
start_outer_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb=$!
    if ! wait_for test -s "$work/display"; then echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; fi
    outer=":$(tr -d '\n' <"$work/display")"
    mkdir -m 700 "$work/runtime"
}
