#!/usr/bin/env bash
# Starts the built program twice on one program folder, as a teacher who
# double-clicks twice would. The second start brings the first copy's menu
# window back in front of another program's window and ends; with the first
# copy not answering (stopped) it says that the program is already open. A
# copy killed outright leaves its lock file behind, and the next start runs.
# Usage: one_copy_per_folder.sh <program folder> [screenshot folder]
set -euo pipefail

if [ "${1:-}" != "--inside-display" ]; then
    program_dir=$(cd "$1" && pwd)
    exec timeout 170 "$(dirname "$0")/on_own_display.sh" "$0" --inside-display "$program_dir" "${2:-}"
fi
program_dir=$2
shots=$3

work=$(mktemp -d)
started=()
cleanup() {
    for p in "${started[@]}"; do
        kill -CONT "$p" 2>/dev/null || true
        kill -9 "$p" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
cp -r "$program_dir" "$work/program"
program=$work/program/flickerbox
lock=$work/program/aobj_se1.cfg.lock
source "$(dirname "$0")/x_windows.sh"

shot() { [ -z "$shots" ] || import -window root "$shots/$1.png"; }
fail() { shot failed; echo "FAILED: $*" >&2; exit 1; }
# The share of the screen that is white, the cover window's colour, in 0..1.
white_share() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -fill black +opaque white -fill white -opaque white -format '%[fx:mean]' info:
}
ends_within() {  # pid, seconds; the status it ended with
    for _ in $(seq $(($2 * 5))); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; return $?; }
        sleep 0.2
    done
    fail "process $1 did not end within $2 s"
}

"$program" & first=$!
started+=("$first")
menu=$(wait_for_window Options) || fail "the first copy's menu window did not appear"
[ -f "$lock" ] || fail "the first copy made no lock file"

# Another program's window covers the menu and holds the focus.
xev -geometry 1024x768+0+0 >/dev/null & cover=$!
started+=("$cover")
sleep 1
cover_id=$(xdotool search --pid "$cover" 2>/dev/null | head -n 1) || true
[ -n "$cover_id" ] || cover_id=$(xdotool getwindowfocus)
xdotool windowfocus --sync "$cover_id"
awk -v s="$(white_share)" 'BEGIN { exit !(s > 0.9) }' || fail "the cover window does not cover the menu"
# However old the running copy's lock file looks, it is not taken over.
touch -d '2 hours ago' "$lock"

"$program" & second=$!
started+=("$second")
ends_within "$second" 15 || fail "the second start ended with status $?"
sleep 0.5
shot first-copy-in-front
[ "$(xdotool getwindowfocus)" = "$menu" ] || fail "the first copy's menu window did not get the focus"
awk -v s="$(white_share)" 'BEGIN { exit !(s < 0.1) }' || fail "the first copy's menu window is not in front"
[ "$(xdotool search --onlyvisible --name '^Options$' | wc -l)" -eq 1 ] || fail "a second menu window appeared"

# A first copy that cannot answer: the second start says so plainly.
kill -STOP "$first"
"$program" & third=$!
started+=("$third")
message=$(wait_for_window "Flickerbox II") || fail "no message that the program is already open"
shot already-open
kill -0 "$third" 2>/dev/null || fail "the start with the message ended before it was read"
xdotool windowfocus --sync "$message" key Return
ends_within "$third" 10 || fail "the start with the message ended with status $?"
kill -CONT "$first"

# A copy killed outright keeps its lock file but does not block the next start.
kill -9 "$first"
wait "$first" 2>/dev/null || true
[ -f "$lock" ] || fail "killing the copy took its lock file away, so this run tests nothing"
"$program" & fourth=$!
started+=("$fourth")
menu=$(wait_for_window Options) || fail "the start after a crash did not show its menu window"
sleep 3
visible_window "Flickerbox II" >/dev/null && fail "the start after a crash showed a message"
xdotool windowfocus --sync "$menu" key Escape
credits=$(wait_for_window Credits) || fail "no credits window"
sleep 0.5
xdotool windowfocus --sync "$credits" key Escape
ends_within "$fourth" 20 || fail "the copy after the crash ended with status $?"
[ ! -e "$lock" ] || fail "the lock file was left behind by a copy that ended normally"
echo "one copy per folder: the second start brought the first forward, a stopped copy was reported, a crashed one's lock was taken over"
