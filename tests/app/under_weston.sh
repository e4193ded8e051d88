#!/usr/bin/env bash
# Runs a command as a client of a Wayland desktop: a weston compositor nested in a private
# Xvfb. WAYLAND_DISPLAY names weston; with --xwayland weston also offers an X server, named by
# DISPLAY, as GNOME sessions do; without it DISPLAY is unset. OUTER_DISPLAY names the Xvfb, where
# xdotool's input reaches weston's focused client and where weston's output can be grabbed. The
# Xvfb is 100 pixels taller than weston's output: weston follows the pointer only after it has
# entered weston's window, so a pointer move starts in that strip below the output.
# Exits 77 (skipped) where weston or Xvfb is not installed, 1 where weston cannot start, else
# with the command's status.
# Usage: under_weston.sh [--xwayland] -- COMMAND [ARGS...]
set -uo pipefail

xwayland=0
size=1920x1080
while [[ $# -gt 0 && "$1" != "--" ]]; do
    case "$1" in
    --xwayland) xwayland=1 ;;
    *) echo "under_weston.sh: unknown option $1"; exit 2 ;;
    esac
    shift
done
shift

source "$(dirname "${BASH_SOURCE[0]}")/outer_xvfb.sh"
require_tools weston Xvfb
start_outer_xvfb "${size%x*}x$((${size#*x} + 100))"

weston_options=(--backend=x11-backend.so --use-pixman --socket=wayland-test --idle-time=0
                --width="${size%x*}" --height="${size#*x}")
if [[ "$xwayland" -eq 1 ]]; then weston_options+=(--xwayland); fi
if ! start_service "$work/weston.log" test -S "$work/runtime/wayland-test" -- \
        env -u WAYLAND_DISPLAY DISPLAY="$outer" XDG_RUNTIME_DIR="$work/runtime" HOME="$work" \
        weston "${weston_options[@]}"; then
    echo "weston did not start"; exit 1
fi

client_env=(WAYLAND_DISPLAY=wayland-test XDG_RUNTIME_DIR="$work/runtime" OUTER_DISPLAY="$outer")
if [[ "$xwayland" -eq 1 ]]; then
    if ! wait_for grep -q 'xserver listening on display' "$work/weston.log"; then
        echo "weston offers no X server"; cat "$work/weston.log"; exit 1
    fi
    client_env+=(DISPLAY="$(grep -o 'xserver listening on display :[0-9]*' "$work/weston.log" | grep -o ':[0-9]*$')")
    env "${client_env[@]}" "$@"
else
    env -u DISPLAY "${client_env[@]}" "$@"
fi
