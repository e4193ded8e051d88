# window_drawn.sh - sourced by the scripts that start the built program: whether its window has
# been drawn, seen from outside as a user sees it. The window is drawn once the accent colour of
# its ribbon's tab row shows on the screen; the first such pixel is the top left of the window's
# client area.

# accent_corner DISPLAY: prints "x y" of that pixel on the display's screen, or nothing.
accent_corner() {
    local width
    width=$(xdpyinfo -display "$1" | grep -o 'dimensions: *[0-9]*' | grep -o '[0-9]*$')
    import -display "$1" -window root -depth 8 rgb:- 2>/dev/null | python3 -c '
import sys
picture, width = sys.stdin.buffer.read(), int(sys.argv[1])
at = picture.find(b"\xb6\x23\x27")
while at >= 0 and at % 3:
    at = picture.find(b"\xb6\x23\x27", at + 1)
if at >= 0:
    print(at // 3 % width, at // 3 // width)' "$width"
}
