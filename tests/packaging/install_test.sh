#!/usr/bin/env bash
# Checks of the installed viewer: the desktop files validate; a tree installed into a temporary
# prefix gives .xer files their type with the viewer as its default; the installed program,
# started through its link in bin/, has its help page beside it, opens a schedule and lists it with
# its shipped layouts.
# Usage: install_test.sh desktop-entry FILE | metainfo FILE | mime-xml FILE
#        install_test.sh file-type BUILD_DIR FIXTURE | installed-program BUILD_DIR XER_GENERATOR
# A missing tool skips the check (exit 77) with a line naming it.
set -euo pipefail

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

skip_without() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed (scripts/install-deps --test installs it)"
            exit 77
        fi
    done
}

# The installed tree and the user's folders live in a temporary folder, never in the real home.
scratch=""
program_pid=""
cleanup() {
    if [[ -n "$program_pid" ]]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    if [[ -n "$scratch" ]]; then rm -rf "$scratch"; fi
}
trap cleanup EXIT

install_into_scratch() {  # BUILD_DIR; sets prefix
    scratch=$(mktemp -d)
    mkdir -p "$scratch/home" "$scratch/config" "$scratch/data" "$scratch/files"
    export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
    prefix="$scratch/prefix"
    if ! cmake --install "$1" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
        cat "$scratch/install.log"
        fail "cmake --install into $prefix"
    fi
}

# Runs COMMAND every 100 ms until it succeeds, for at most SECONDS.
wait_until() {  # SECONDS COMMAND...
    local tries=$(($1 * 10))
    shift
    while ((tries-- > 0)); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}

check_file_type() {  # BUILD_DIR FIXTURE
    skip_without cmake xdg-mime mimetype update-mime-database update-desktop-database
    install_into_scratch "$1"
    export XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_CONFIG_DIRS="$scratch/config-dirs"
    update-mime-database "$prefix/share/mime"
    update-desktop-database "$prefix/share/applications"
    local name answer
    for name in plan.xer PLAN.XER plan; do cp "$2" "$scratch/files/$name"; done
    # No desktop session is named, so xdg-mime reads the shared MIME database and the
    # applications' cache under XDG_DATA_DIRS, as any desktop does.
    local lookup=(env -u XDG_CURRENT_DESKTOP -u XDG_SESSION_DESKTOP -u DESKTOP_SESSION
                  -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID)
    # By name in either case, and by the header record when the name says nothing.
    for name in plan.xer PLAN.XER plan; do
        answer=$("${lookup[@]}" xdg-mime query filetype "$scratch/files/$name")
        [[ "$answer" == application/x-xer ]] || fail "$name has the type '$answer', not application/x-xer"
    done
    answer=$("${lookup[@]}" xdg-mime query default application/x-xer)
    [[ "$answer" == varnholt-reader.desktop ]] ||
        fail "the default for application/x-xer is '$answer', not varnholt-reader.desktop"
    echo "PASSED: plan.xer, PLAN.XER and an XER without extension are application/x-xer, opened by varnholt-reader.desktop"
}

window_titled() {  # TITLE
    xwininfo -root -tree | grep -qF "\"$1\""
}

clipboard_holds() {  # TEXT...
    local text part
    text=$(timeout 10 xclip -o -selection clipboard 2>/dev/null) || return 1
    for part in "$@"; do [[ "$text" == *"$part"* ]] || return 1; done
}

check_installed_program() {  # BUILD_DIR XER_GENERATOR
    install_into_scratch "$1"
    local link="$prefix/bin/varnholt-reader"
    local target
    target=$(readlink "$link") || fail "bin/varnholt-reader is not a symbolic link"
    [[ "$target" != /* ]] || fail "bin/varnholt-reader links to the absolute path $target"
    [[ -x "$link" ]] || fail "bin/varnholt-reader does not lead to an executable program"
    # The help button and the File page's Online help open the planners' page beside the program.
    local help_page
    help_page="$(dirname "$(readlink -f "$link")")/help/index.html"
    [[ -f "$help_page" ]] || fail "no help/index.html beside the program"
    grep -qi '<!DOCTYPE html>' "$help_page" || fail "$help_page is no HTML page"

    # A name with a space, opened from another working folder: only the program's own folder
    # can supply the layouts.
    local schedule="$scratch/files/Bridge plan.xer"
    "$2" 10 "$schedule" >/dev/null || fail "the generator could not write $schedule"
    (cd / && exec env -u VARNHOLT_PROGRAM_DIR "$link" "$schedule") >"$scratch/program.log" 2>&1 &
    program_pid=$!
    local title="Bridge plan.xer - VarnholtReader"
    if ! wait_until 90 window_titled "$title"; then
        cat "$scratch/program.log"
        xwininfo -root -tree | grep -F '"' | head -20
        fail "no window titled '$title'"
    fi

    # The activity table copies its rows on Ctrl+C: it lists the schedule's activities only
    # when the shipped activity layout was found beside the program.
    local window x y width height
    window=$(xdotool search --name "^$title\$" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    x=$((X + WIDTH / 5))
    y=$((Y + HEIGHT / 2))
    local copied=false
    # The table takes the focus on a click, once the schedule has been read; until then the
    # click and the keys may go nowhere, so both are tried again. The pointer stays where it
    # went: a move with --sync to where it already is would wait for a motion that never comes.
    timeout 10 xdotool mousemove --sync "$x" "$y"
    for _ in 1 2 3 4 5 6; do
        xdotool click 1
        xdotool key --clearmodifiers ctrl+c
        if wait_until 4 clipboard_holds "Activity ID" A10001 A10010 "Activity number 10"; then
            copied=true
            break
        fi
    done
    if [[ "$copied" != true ]]; then
        echo "Clipboard: $(timeout 10 xclip -o -selection clipboard 2>&1 | head -c 400)"
        cat "$scratch/program.log"
        fail "the activity table did not copy the schedule's activities"
    fi
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended by itself"
    echo "PASSED: the installed program, started through bin/varnholt-reader, shows '$title' and lists its ten activities"
}

mode="${1:-}"
case "$mode" in
    desktop-entry)
        skip_without desktop-file-validate
        desktop-file-validate "$2"
        echo "PASSED: desktop-file-validate $2" ;;
    metainfo)
        skip_without appstreamcli
        appstreamcli validate --no-net "$2"
        echo "PASSED: appstreamcli validate --no-net $2" ;;
    mime-xml)
        skip_without xmllint
        xmllint --noout "$2"
        echo "PASSED: xmllint --noout $2" ;;
    file-type)
        check_file_type "$2" "$3" ;;
    installed-program)
        skip_without cmake xvfb-run xwininfo xdotool xclip
        # A virtual X server of its own, so that tests running side by side do not meet.
        if [[ -z "${VARNHOLT_UNDER_XVFB:-}" ]]; then
            exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
                env VARNHOLT_UNDER_XVFB=1 "$0" "$@"
        fi
        check_installed_program "$2" "$3" ;;
    *)
        echo "usage: $0 desktop-entry|metainfo|mime-xml FILE, or file-type BUILD_DIR FIXTURE, or installed-program BUILD_DIR XER_GENERATOR" >&2
        exit 2 ;;
esac
