#!/usr/bin/env bash
# Runs a command as an X11 client of a GNOME-like desktop: mutter nested in a private Xvfb, with
# the X server mutter starts for X clients (as a GNOME session does), whose windows get a title
# bar that mutter draws. DISPLAY and XAUTHORITY name that X server, WAYLAND_DISPLAY mutter
# itself. OUTER_DISPLAY names the Xvfb, where xdotool's input reaches mutter and its windows:
# the nested output lies at the Xvfb's top left, one pixel for one.
# With --no-x11 mutter offers no X server, as a GNOME session on Wayland alone: the command is a
# Wayland client and DISPLAY is unset.
# Exits 77 (skipped) where mutter, Xvfb, dbus-run-session or xdotool is not installed, 1 where
# mutter cannot start, else with the command's status.
# Usage: under_mutter.sh [--no-x11] -- COMMAND [ARGS...]
set -uo pipefail

x11=1
while [[ $# -gt 0 && "$1" != "--" ]]; do
    case "$1" in
    --no-x11) x11=0 ;;
    *) echo "under_mutter.sh: unknown option $1"; exit 2 ;;
    esac
    shift
done
[[ "${1:-}" == "--" ]] && shift

source "$(dirname "${BASH_SOURCE[0]}")/outer_xvfb.sh"
require_tools mutter Xvfb dbus-run-session xdotool
mutter=
# mutter and its bus first: dbus-run-session does not pass its end on to them.
before_cleanup() {
    if [[ -n "$mutter" ]]; then pkill -P "$mutter"; fi
}
# Without an X server of mutter's the pointer comes in from outside its output, as in
# under_weston.sh: the Xvfb is 100 pixels taller than the output, which lies at its top left.
if [[ "$x11" -eq 0 ]]; then start_outer_xvfb 1920x1180; else start_outer_xvfb 1920x1080; fi

# mutter needs a session bus of its own.
options=(--nested --wayland --wayland-display=wayland-test)
if [[ "$x11" -eq 0 ]]; then options+=(--no-x11); fi
# Ready once its socket is there, and with its X server once it names the server's display.
ready=(test -S "$work/runtime/wayland-test")
if [[ "$x11" -eq 1 ]]; then ready=(grep -q 'Using public X11 display' "$work/mutter.log"); fi
if ! start_service "$work/mutter.log" "${ready[@]}" -- \
        env -u WAYLAND_DISPLAY DISPLAY="$outer" XDG_RUNTIME_DIR="$work/runtime" HOME="$work" \
        MUTTER_DEBUG_DUMMY_MODE_SPECS=1920x1080 LIBGL_ALWAYS_SOFTWARE=1 \
        dbus-run-session -- mutter "${options[@]}"; then
    echo "mutter did not start"; exit 1
fi
mutter=$started
if [[ "$x11" -eq 0 ]]; then
    env -u DISPLAY WAYLAND_DISPLAY=wayland-test XDG_RUNTIME_DIR="$work/runtime" OUTER_DISPLAY="$outer" "$@"
    exit
fi
display=$(grep -o 'Using public X11 display :[0-9]*' "$work/mutter.log" | grep -o ':[0-9]*$')
cookie=$(ls "$work"/runtime/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
if [[ -z "$cookie" ]]; then echo "mutter left no X cookie"; cat "$work/mutter.log"; exit 1; fi
# The X server answers once mutter manages it.
if ! wait_for env DISPLAY="$display" XAUTHORITY="$cookie" xdotool getmouselocation >/dev/null 2>&1; then
    echo "mutter's X server does not answer"; cat "$work/mutter.log"; exit 1
fi
env WAYLAND_DISPLAY=wayland-test XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$display" XAUTHORITY="$cookie" \
    OUTER_DISPLAY="$outer" "$@"
