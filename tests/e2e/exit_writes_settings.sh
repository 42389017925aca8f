#!/usr/bin/env bash
# Starts the built program from a copy of its folder whose settings file is
# damaged, leaves through the menu window and the credits window with Esc, and
# checks that the program ended normally and wrote the complete default file.
# Usage: exit_writes_settings.sh <program folder> <expected settings file>
set -euo pipefail

if [ "${1:-}" != "--inside-display" ]; then
    program_dir=$(cd "$1" && pwd)
    expected=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
    exec timeout 150 "$(dirname "$0")/on_own_display.sh" "$0" --inside-display "$program_dir" "$expected"
fi
program_dir=$2
expected=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$program_dir" "$work/program"
printf 'not a number\r\n' > "$work/program/aobj_se1.cfg"

source "$(dirname "$0")/x_windows.sh"

press_escape_in() {
    local id
    id=$(wait_for_window "$1")
    sleep 0.5  # let the window finish its own start before the key arrives
    xdotool windowfocus --sync "$id" key Escape
}

timeout 60 "$work/program/flickerbox" &
pid=$!

wait_for_window "Options" > /dev/null
press_escape_in "Flickerbox II"  # the message that the settings file was damaged
press_escape_in "Options"
press_escape_in "Credits"

status=0
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not end after Esc on the credits window" >&2
    kill "$pid"
    exit 1
fi
wait "$pid" || status=$?
if [ "$status" -ne 0 ]; then
    echo "the program ended with status $status" >&2
    exit 1
fi
if ! cmp "$expected" "$work/program/aobj_se1.cfg"; then
    echo "written settings file:" >&2
    od -c "$work/program/aobj_se1.cfg" >&2
    exit 1
fi
echo "settings file written as expected"
