#!/usr/bin/env bash
# Copies the Resources table of a schedule with names outside ASCII on a Wayland desktop, as a
# user does (Ctrl+Page Down to the Resources tab, a click in the table, Ctrl+C), and reads the
# clipboard back as other programs do. Twice: on a desktop that offers X11 as well, where the
# program must run as an X11 client and Wayland programs (wl-paste) must get the same text as X11
# ones (xclip); and on one without X11, where the program runs natively and wl-paste must get
# that text again. Exits 77 (skipped) where weston is not installed.
# Usage: wayland_clipboard_test.sh PROGRAM SCHEDULE
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
program=$1
schedule=$2

if [[ "${1:-}" == "--copy" ]]; then
    # Inside the compositor: copy, then keep what each clipboard gives under $4.
    program=$2
    schedule=$3
    out=$4
    export XDG_CONFIG_HOME="$out/config" XDG_DATA_HOME="$out/data" XDG_CONFIG_DIRS="$out/machine"
    "$program" "$schedule" 2>"$out/stderr" &
    pid=$!
    trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null' EXIT
    # The window is drawn once the accent colour of its tab row shows on the output; the first
    # such pixel is the top left of the window's client area.
    corner=
    for _ in $(seq 600); do
        corner=$(import -display "$OUTER_DISPLAY" -window root -depth 8 rgb:- 2>/dev/null | python3 -c '
import sys
picture, width = sys.stdin.buffer.read(), int(sys.argv[1])
at = picture.find(b"\xb6\x23\x27")
while at >= 0 and at % 3:
    at = picture.find(b"\xb6\x23\x27", at + 1)
if at >= 0:
    print(at // 3 % width, at // 3 // width)' "$(xdpyinfo -display "$OUTER_DISPLAY" | grep -o 'dimensions: *[0-9]*' | grep -o '[0-9]*$')")
        if [[ -n "$corner" ]]; then break; fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ -z "$corner" ]]; then echo "the program's window did not appear"; cat "$out/stderr"; exit 1; fi
    read -r left top <<<"$corner"
    sleep 1  # the first frame shows before the window has the keyboard
    if [[ -n "${DISPLAY:-}" ]]; then
        xdotool search --name "$(basename "$schedule") - VarnholtReader" >/dev/null ||
            { echo "the program is no X11 client where X11 is offered"; exit 1; }
    fi
    keys() { DISPLAY="$OUTER_DISPLAY" xdotool "$@"; sleep 0.3; }
    # A click in the table gives the window the keyboard, whatever the compositor did at its start.
    keys mousemove 10 "$(($(xdpyinfo -display "$OUTER_DISPLAY" | grep -o 'x[0-9]* pixels' | grep -o '[0-9]*') - 10))"
    keys mousemove $((left + 300)) $((top + 400)) click 1
    for _ in 1 2 3; do keys key ctrl+Next; done
    keys click 1
    keys key ctrl+c
    # The copy reaches the clipboard through the compositor, which may take a moment.
    for _ in $(seq 40); do
        timeout 10 wl-paste --no-newline >"$out/wayland.txt" 2>/dev/null
        if grep -q 'Resource ID' "$out/wayland.txt"; then break; fi
        sleep 0.25
    done
    grep -q 'Resource ID' "$out/wayland.txt" || { echo "wl-paste found no Resources table"; exit 1; }
    if [[ -n "${DISPLAY:-}" ]]; then timeout 10 xclip -o -selection clipboard >"$out/x11.txt"; fi
    exit 0
fi

for tool in wl-paste xclip xdotool xdpyinfo import python3; do
    command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/x11" "$work/native"

"$here/../app/under_weston.sh" --xwayland -- env -u GDK_BACKEND "$0" --copy "$program" "$schedule" "$work/x11"
status=$?
if [[ "$status" -ne 0 ]]; then exit "$status"; fi
"$here/../app/under_weston.sh" -- env -u GDK_BACKEND "$0" --copy "$program" "$schedule" "$work/native" ||
    exit 1

failed=0
expect_same() {
    if ! cmp -s "$1" "$2"; then
        echo "$3 differ:"; diff <(cat -A "$1") <(cat -A "$2") | head -20; failed=1
    fi
}
expect_same "$work/x11/x11.txt" "$work/x11/wayland.txt" "with X11 offered, the X11 and Wayland clipboards"
expect_same "$work/x11/x11.txt" "$work/native/wayland.txt" "the X11 text and the native Wayland text"
for name in "Łukasz Żółć" "Søren Ærø «chef»" "東京 Crew ≥ 3"; do
    grep -qF "$name" "$work/native/wayland.txt" || { echo "\"$name\" was not copied"; failed=1; }
done
if grep -E 'CRITICAL|WARNING|assert' "$work"/*/stderr; then echo "the program reported a fault"; failed=1; fi
exit "$failed"
