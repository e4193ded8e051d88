#!/usr/bin/env bash
# Copies the Resources table of a schedule with names outside ASCII as a user does (Ctrl+Page
# Down to the Resources tab, a click in the table, Ctrl+C) and reads the clipboard back as other
# programs do.
# With --plain-x, on a virtual X server alone: every type the copy offers must deliver the whole
# text, the UTF-8 ones byte for byte and STRING in Latin-1, each character it lacks as "?".
# Otherwise twice on a Wayland desktop. On one that offers X11 as well, the program must run as an
# X11 client; after copies in a row the compositor and the program must still run, and Wayland
# programs (wl-paste) must get the same text as X11 ones (xclip). On one without X11, the program
# runs natively and wl-paste must get that text again, from every type the copy offers: each
# listed once, text/plain among them.
# Exits 77 (skipped) where weston is not installed.
# Usage: clipboard_test.sh [--plain-x] PROGRAM SCHEDULE
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/window_drawn.sh"

if [[ "${1:-}" == "--copy" ]]; then
    # On the desktop: copy, then keep what each clipboard gives under $4.
    program=$2
    schedule=$3
    out=$4
    : "${OUTER_DISPLAY:=$DISPLAY}"  # a plain X server is its own outer display
    export XDG_CONFIG_HOME="$out/config" XDG_DATA_HOME="$out/data" XDG_CONFIG_DIRS="$out/machine"
    "$program" "$schedule" 2>"$out/stderr" &
    pid=$!
    trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null' EXIT
    # The window drawn on the output, and the top left of its client area there.
    corner=
    for _ in $(seq 600); do
        corner=$(accent_corner "$OUTER_DISPLAY")
        if [[ -n "$corner" ]]; then break; fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ -z "$corner" ]]; then echo "the program's window did not appear"; cat "$out/stderr"; exit 1; fi
    read -r left top <<<"$corner"
    window=
    if [[ -n "${DISPLAY:-}" ]]; then
        window=$(xdotool search --name "$(basename "$schedule") - VarnholtReader" | head -n 1)
        [[ -n "$window" ]] || { echo "the program is no X11 client where X11 is offered"; exit 1; }
    fi
    # Input as a user gives it, through the outer display; each command returns once the X
    # server has taken it, and the compositor passes input on to the program in that order.
    user() { timeout 10 env DISPLAY="$OUTER_DISPLAY" xdotool "$@"; }
    # A click in the table gives the window the keyboard, whatever the compositor did at its start.
    user mousemove --sync 10 "$(($(xdpyinfo -display "$OUTER_DISPLAY" | grep -o 'x[0-9]* pixels' | grep -o '[0-9]*') - 10))"
    user mousemove --sync $((left + 300)) $((top + 400)) click 1
    if [[ -n "${WAYLAND_DISPLAY:-}" && -n "${DISPLAY:-}" ]]; then
        # The compositor has the X server give the window the keyboard, in the server's own time.
        focused() { [[ "$(timeout 10 xdotool getwindowfocus -f 2>/dev/null)" == "$window" ]]; }
        for _ in $(seq 100); do focused && break; sleep 0.1; done
        focused || { echo "the window did not get the keyboard"; exit 1; }
    fi
    user key ctrl+Next ctrl+Next ctrl+Next
    user click 1
    user key ctrl+c
    if [[ -z "${WAYLAND_DISPLAY:-}" ]]; then
        # Plain X: every type the clipboard lists, read as an X11 program asks for it.
        for _ in $(seq 40); do
            timeout 10 xclip -o -selection clipboard -t TARGETS >"$out/targets" 2>/dev/null
            if grep -qx UTF8_STRING "$out/targets"; then break; fi
            sleep 0.25
        done
        grep -vxE 'TARGETS|TIMESTAMP|MULTIPLE|SAVE_TARGETS' "$out/targets" >"$out/types"
        mkdir "$out/type"
        while read -r type; do
            timeout 10 xclip -o -selection clipboard -t "$type" >"$out/type/${type//\//_}"
        done <"$out/types"
        exit 0
    fi
    if [[ -n "${DISPLAY:-}" ]]; then
        # Each further copy in a row takes over the clipboard the program already holds, and the
        # compositor bridges each to Wayland. A faulty takeover does not upset it every time. The
        # bridge says nothing when it is done: a short pause lets it have each copy in turn.
        for _ in 1 2 3 4 5; do user key ctrl+c; sleep 0.3; done
    fi
    # The copy reaches the clipboard through the compositor, which may take a moment.
    for _ in $(seq 40); do
        timeout 10 wl-paste --no-newline >"$out/wayland.txt" 2>/dev/null
        if grep -q 'Resource ID' "$out/wayland.txt"; then break; fi
        kill -0 $pid 2>/dev/null || break
        sleep 0.25
    done
    if ! kill -0 $pid 2>/dev/null; then
        echo "the program (or the compositor under it) ended at a copy"; cat "$out/stderr"; exit 1
    fi
    grep -q 'Resource ID' "$out/wayland.txt" || { echo "wl-paste found no Resources table"; exit 1; }
    if [[ -n "${DISPLAY:-}" ]]; then
        timeout 10 xclip -o -selection clipboard >"$out/x11.txt"
    else
        # Without X11: every type the copy offers, read as a Wayland program asks for it.
        timeout 10 wl-paste --list-types >"$out/types"
        mkdir "$out/type"
        while read -r type; do
            timeout 10 wl-paste -n -t "$type" >"$out/type/${type//\//_}"
        done <"$out/types"
    fi
    kill -0 $pid 2>/dev/null || { echo "the program ended once its copy was read"; exit 1; }
    exit 0
fi

plain_x=0
if [[ "$1" == "--plain-x" ]]; then plain_x=1; shift; fi
program=$1
schedule=$2
tools=(xclip xdotool xdpyinfo import python3)
if [[ "$plain_x" -eq 1 ]]; then tools+=(xvfb-run); else tools+=(wl-paste); fi
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/x11" "$work/native"
names=("Łukasz Żółć" "Søren Ærø «chef»" "東京 Crew ≥ 3")

if [[ "$plain_x" -eq 1 ]]; then
    xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" env -u WAYLAND_DISPLAY -u GDK_BACKEND \
        "$0" --copy "$program" "$schedule" "$work/x11" || exit 1
    cd "$work/x11/type" || exit 1
    grep -qx UTF8_STRING ../types || { echo "no UTF8_STRING offered:"; cat ../types ../stderr; exit 1; }
    failed=0
    for name in "${names[@]}"; do
        grep -qF "$name" UTF8_STRING || { echo "\"$name\" was not copied"; failed=1; }
    done
    # The same text in Latin-1, each character outside it as one "?".
    python3 -c 'import sys; text = open("UTF8_STRING", "rb").read().decode("utf-8")
sys.stdout.buffer.write(text.encode("latin-1", "replace"))' >../latin1
    while read -r type; do
        file=${type//\//_}
        case "$type" in
        UTF8_STRING | *charset=utf-8) expected=(UTF8_STRING) ;;
        STRING) expected=(../latin1) ;;
        *) expected=(UTF8_STRING ../latin1) ;;  # a type of unknown encoding gives either
        esac
        whole=0
        for text in "${expected[@]}"; do cmp -s "$file" "$text" && whole=1; done
        if [[ "$whole" -eq 0 ]]; then
            echo "$type does not give the whole text in its encoding:"; head -c 300 "$file"; echo
            failed=1
        fi
    done <../types
    if grep -E 'CRITICAL|WARNING|assert' ../stderr; then echo "the program reported a fault"; failed=1; fi
    exit "$failed"
fi

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
for name in "${names[@]}"; do
    grep -qF "$name" "$work/native/wayland.txt" || { echo "\"$name\" was not copied"; failed=1; }
done
# Natively every type is offered once, "text/plain" among them, and each gives the whole text.
if [[ -n "$(sort "$work/native/types" | uniq -d)" ]] || ! grep -qx text/plain "$work/native/types"; then
    echo "the native Wayland copy does not offer each type once, text/plain included:"
    cat "$work/native/types"; failed=1
fi
while read -r type; do
    expect_same "$work/native/wayland.txt" "$work/native/type/${type//\//_}" "the copied text and its $type"
done <"$work/native/types"
if grep -E 'CRITICAL|WARNING|assert' "$work"/*/stderr; then echo "the program reported a fault"; failed=1; fi
exit "$failed"
