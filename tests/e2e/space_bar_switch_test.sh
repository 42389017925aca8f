#!/usr/bin/env bash
# With the space bar as the learner's switch, holding space in the menu window
# (real X key events, "Play Movies" focused) lights the switch test and starts
# nothing; letting go puts the test back. Screenshots are kept in $2 if given.
# Usage: space_bar_switch_test.sh <program folder> [screenshot folder]
set -euo pipefail

if [ "${1:-}" != "--inside-display" ]; then
    program_dir=$(cd "$1" && pwd)
    shots=${2:-}
    exec timeout 150 "$(dirname "$0")/on_own_display.sh" "$0" --inside-display "$program_dir" "$shots"
fi
program_dir=$2
shots=${3:-}

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$program_dir" "$work/program"
# Keyboard space bar (7), otherwise the shipped options.
printf ' 7 \r\n 1 \r\n 0 \r\n 2 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n' > "$work/program/aobj_se1.cfg"
for _ in $(seq 10); do printf ' 1 \r\n' >> "$work/program/aobj_se1.cfg"; done

visible_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

# Pixels of the lit switch-test lamp on the screen.
lamp_pixels() {
    import -window root "$work/shot.png"
    [ -z "$shots" ] || cp "$work/shot.png" "$shots/$1.png"
    convert "$work/shot.png" -fill black +opaque "#1a9e1a" -fill white -opaque "#1a9e1a" \
        -format "%[fx:round(mean*w*h)]" info:
}

"$work/program/flickerbox" &
pid=$!

id=""
for _ in $(seq 100); do
    id=$(visible_window Options) && [ -n "$id" ] && break
    sleep 0.2
done
[ -n "$id" ] || { echo "the menu window did not appear" >&2; exit 1; }
sleep 3  # the gong plays, then the buttons appear
xdotool windowfocus --sync "$id" key Tab  # "Play Movies" takes the focus
sleep 0.5

xdotool keydown space
sleep 1
held=$(lamp_pixels held)
xdotool keyup space
sleep 1
released=$(lamp_pixels released)

status=0
if [ "$held" -lt 500 ]; then
    echo "holding space did not light the switch test ($held lamp pixels)" >&2
    status=1
fi
if [ "$released" -ne 0 ]; then
    echo "the switch test stayed lit after space was let go ($released lamp pixels)" >&2
    status=1
fi
if [ -n "$(visible_window 'Flickerbox II')" ] || [ -z "$(visible_window Options)" ]; then
    echo "holding space started playback" >&2
    status=1
fi
[ "$status" -eq 0 ] && echo "switch test lit while space was held ($held pixels); playback not started"
exit "$status"
