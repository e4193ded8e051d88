#!/usr/bin/env bash
# Runs a command as an X11 client of a window manager on a private Xvfb: openbox, a common light
# one, or mutter replacing none (GNOME's, on X). The window manager reparents the command's
# windows into frames with title bars and decides focus and activation itself. DISPLAY names the
# Xvfb, and VARNHOLT_WINDOW_MANAGER the window manager, for the tests that differ with it.
# Exits 77 (skipped) where the window manager, Xvfb or xdotool is not installed, 1 where the
# window manager does not start after three tries, else with the command's status.
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
# The window manager is there once it has named itself on the root window.
if ! start_service "$work/manager.log" \
        env DISPLAY="$outer" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' -- \
        env -u WAYLAND_DISPLAY DISPLAY="$outer" XDG_RUNTIME_DIR="$work/runtime" HOME="$work" LIBGL_ALWAYS_SOFTWARE=1 \
        "${command[@]}"; then
    echo "$manager did not start"; exit 1
fi
env -u WAYLAND_DISPLAY DISPLAY="$outer" VARNHOLT_WINDOW_MANAGER="$manager" "$@"
