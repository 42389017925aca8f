#!/usr/bin/env bash
# Holds Esc down with the X server's own key repeat, as a person would, and
# checks that each held press leaves exactly one window: from the playback
# window to the menu, from the menu to the credits. The sound goes to an ALSA
# device that never reports a sound played, so the start-up gong must also
# end by itself for the buttons to appear.
# Usage: held_escape.sh <program folder> <settings file to start with>
set -euo pipefail

if [ "${1:-}" != "--inside-display" ]; then
    program_dir=$(cd "$1" && pwd)
    settings=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
    exec timeout 170 "$(dirname "$0")/on_own_display.sh" -screen 0 1024x768x24 -ardelay 300 -arinterval 30 -- \
        "$0" --inside-display "$program_dir" "$settings"
fi
program_dir=$2
settings=$3

work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cp -r "$program_dir" "$work/program"
# Calibrated already (lines 6 and 7), so no calibration message takes the Esc.
awk 'NR == 6 || NR == 7 { print " 1 \r"; next } { print }' "$settings" > "$work/program/aobj_se1.cfg"
mkdir "$work/home"
printf 'pcm.!default { type null }\n' > "$work/home/.asoundrc"

source "$(dirname "$0")/x_windows.sh"

hold_escape_in() {
    local id
    id=$(wait_for_window "$1")
    sleep 0.5
    xdotool windowfocus --sync "$id" keydown Escape
    sleep 1.5
    xdotool keyup Escape
    sleep 1
}

HOME=$work/home PULSE_SERVER=unix:/nonexistent timeout 120 "$work/program/flickerbox" &
pid=$!

# Return presses the focused "Play Movies", which appears once the gong has
# ended (2.2 s, and at most a second more on this silent device).
menu=$(wait_for_window "Options")
for _ in $(seq 15); do
    sleep 1
    visible_window "Flickerbox II" > /dev/null && break
    xdotool windowfocus --sync "$menu" key Return 2>/dev/null || true
done
if ! visible_window "Flickerbox II" > /dev/null; then
    echo "Return on \"Play Movies\" did not start playback within 15 s (did the gong end?)" >&2
    exit 1
fi

# A slow build may still be drawing the next window when the key comes up;
# whether one held press went too far is told by the window after it.
hold_escape_in "Flickerbox II"
if ! wait_for_window "Options" > /dev/null || visible_window "Credits" > /dev/null; then
    echo "a held Esc in the playback window did not stop at the menu" >&2
    exit 1
fi

hold_escape_in "Options"
if ! wait_for_window "Credits" > /dev/null || ! kill -0 "$pid" 2>/dev/null; then
    echo "a held Esc in the menu did not stop at the credits" >&2
    exit 1
fi

xdotool windowfocus --sync "$(visible_window Credits)" key Escape
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
status=0
wait "$pid" || status=$?
pid=
if [ "$status" -ne 0 ]; then
    echo "the program ended with status $status" >&2
    exit 1
fi
echo "each held Esc left one window"
