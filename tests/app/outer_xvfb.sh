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

# Waits up to twenty seconds for a condition given as a command.
wait_for() {
    for _ in $(seq 400); do
        if "$@"; then return 0; fi
        sleep 0.05
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
