#!/usr/bin/env bash
# Under a Wayland compositor whose session names an X display that no server
# answers, the program runs on Wayland instead of aborting; the menu window
# comes up on the compositor and the program keeps running.
# Usage: on_wayland.sh <program folder>
set -euo pipefail
program_dir=$(cd "$1" && pwd)
command -v weston > /dev/null || { echo "weston is needed"; exit 77; }

work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
trap 'kill "$program" "$compositor" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$program_dir" "$work/program"

weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 --width=1024 --height=768 \
    > "$work/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wayland-test" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/wayland-test" ] || { echo "weston did not start:"; cat "$work/weston.log"; exit 1; }

# A display number nothing listens on: no socket, no lock file.
missing=":$((RANDOM % 1000 + 3000))"
while [ -e "/tmp/.X11-unix/X${missing#:}" ]; do missing=":$((${missing#:} + 1))"; done
env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-test DISPLAY="$missing" HOME="$work" \
    PULSE_SERVER=unix:/nonexistent "$work/program/flickerbox" > "$work/program.log" 2>&1 &
program=$!
sleep 8
if ! kill -0 "$program" 2>/dev/null; then
    echo "the program ended instead of running on Wayland:" >&2
    cat "$work/program.log" >&2
    exit 1
fi
grep -q "could not connect" "$work/program.log" && { cat "$work/program.log" >&2; exit 1; }
echo "running on Wayland with DISPLAY=$missing unanswered"
