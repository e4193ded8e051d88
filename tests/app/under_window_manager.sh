#!/usr/bin/env bash
# Runs a command as an X11 client of a window manager on a private Xvfb: openbox, a common light
# one, or mutter replacing none (GNOME's, on X). The window manager reparents the command's
# windows into frames with title bars and decides focus and activation itself. DISPLAY names the
# Xvfb, and VARNHOLT_WINDOW_MANAGER the window manager, for the tests that differ with it.
# Exits 77 (skipped) where the window manager, Xvfb or xdotool is not installed, 1 where the
# window manager does not start, else with the command's status.
# Usage: under_window_manager.sh openbox|mutter -- COMMAND [ARGS...]
set -uo pipefail

manager=$1
shift
[[ "${1:-}" == "--" ]] && shift

source "$(dirname "${BASH_SOURCE[0]}")/outer_xvfb.sh"
require_tools "$manager" Xvfb xdotool dbus-run-session
started=
before_cleanup() {
    if [[ -n "$started" ]]; then pkill -P "$started"; fi
}
start_outer_xvfb 1920x1080

case "$manager" in
    openbox) command=(openbox --sm-disable) ;;
    mutter) command=(dbus-run-session -- mutter --x11 --replace) ;;
    *) echo "unknown window manager $manager"; exit 1 ;;
esac
env -u WAYLAND_DISPLAY DISPLAY="$outer" XDG_RUNTIME_DIR="$work/runtime" HOME="$work" LIBGL_ALWAYS_SOFTWARE=1 \
    "${command[@]}" >"$work/manager.log" 2>&1 &
started=$!
cleanup_pids+=("$started")
# The window manager is there once it has named itself on the root window.
if ! wait_for env DISPLAY="$outer" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'; then
    echo "$manager did not start"; cat "$work/manager.log"; exit 1
fi
env -u WAYLAND_DISPLAY DISPLAY="$outer" VARNHOLT_WINDOW_MANAGER="$manager" "$@"
