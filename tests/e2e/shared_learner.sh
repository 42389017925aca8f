#!/usr/bin/env bash
# Two copies of the program on one shared learners folder, each in PID and
# UTS namespaces of its own with the same computer name, as two imaged school
# laptops are: the second is refused the learner the first has open, takes
# her over only when the adult agrees, and the first then writes nothing more
# for her but keeps its options aside and says so.
# Usage: shared_learner.sh <program folder> [screenshot folder]
set -euo pipefail

if [ "$(id -u)" != 0 ] || ! unshare --pid --uts --fork --mount-proc true 2>/dev/null; then
    echo "skipped: this user cannot make PID and UTS namespaces"
    exit 77
fi
if [ "${1:-}" != "--inside-display" ]; then
    program_dir=$(cd "$1" && pwd)
    exec timeout 170 "$(dirname "$0")/on_own_display.sh" "$0" --inside-display "$program_dir" "${2:-}"
fi
program_dir=$2
shots=$3

work=$(mktemp -d)
started=()
cleanup() {
    for p in "${started[@]}"; do kill -9 "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/x_windows.sh"
shot() { [ -z "$shots" ] || import -window root "$shots/shared-$1.png"; }
fail() { shot failed; echo "FAILED: $*" >&2; exit 1; }

share=$work/share
ana=$share/Ana
mkdir -p "$ana" "$work/config/flickerbox"
printf 'Ana\n' >"$ana/aobj_nam.txt"
cp "$program_dir/aobj_se1.cfg" "$ana/aobj_se1.cfg"
printf 'learners-folder = %s\n' "$share" >"$work/config/flickerbox/flickerbox.conf"
for laptop in 1 2; do cp -r "$program_dir" "$work/laptop$laptop"; done

# The program is not the namespace's first process, so both have the same
# process number as well as the same computer name.
on_laptop() {
    XDG_CONFIG_DIRS=$work/config unshare --pid --uts --fork --mount-proc --kill-child \
        sh -c "hostname laptop; \"$work/laptop$1/flickerbox\" --learner Ana; true" &
    started+=("$!")
    disown "$!"  # ended by the cleanup without a word
}
keys_to() {  # window, keys...
    local window=$1
    shift
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    for k in "$@"; do
        xdotool key --clearmodifiers "$k"
        sleep 0.3
    done
}
lock_line() { sed -n "$1p" "$ana/aobj_lck.txt"; }

on_laptop 1
first=$(wait_for_window "Options – Ana") || fail "laptop 1 did not open Ana"
[ "$(lock_line 1)" = laptop ] || fail "the lock does not name the computer: $(cat "$ana/aobj_lck.txt")"
token1=$(lock_line 4)
[ ${#token1} -ge 16 ] || fail "the lock has no token of its own: $(cat "$ana/aobj_lck.txt")"

on_laptop 2
message=$(wait_for_window "Flickerbox II") || fail "laptop 2 opened Ana without a word"
shot refused
[ "$(lock_line 4)" = "$token1" ] || fail "laptop 2 rewrote the lock of a learner in use"
keys_to "$message" Return
second=$(wait_for_window "Options") || fail "laptop 2 did not start with no learner"
! visible_window "Options – Ana" >/dev/null || [ "$(visible_window "Options – Ana")" = "$first" ] ||
    fail "both laptops show Ana"

# The adult on laptop 2 chooses Ana and agrees to take her over.
keys_to "$second" alt+l Down Down Return
question=$(wait_for_window "Learner in use") || fail "laptop 2 took Ana without asking"
shot take-over-question
keys_to "$question" alt+t
for _ in $(seq 50); do [ "$(lock_line 4)" != "$token1" ] && break; sleep 0.2; done
[ "$(lock_line 4)" != "$token1" ] || fail "laptop 2 did not take Ana over"
# Laptop 2 saves Ana's options as it runs her: another input device.
sed -i '1s/.*/ 7\r/' "$ana/aobj_se1.cfg"
theirs=$(md5sum <"$ana/aobj_se1.cfg")

# Laptop 1 leaves: it must not write over laptop 2's options, and says so.
keys_to "$first" Escape
told=$(wait_for_window "Flickerbox II") || fail "laptop 1 did not tell that Ana was taken over"
shot taken-over-told
[ "$(md5sum <"$ana/aobj_se1.cfg")" = "$theirs" ] || fail "laptop 1 wrote over laptop 2's options of Ana"
aside=$(find "$ana" -maxdepth 2 -path '*Not saved here - taken over*' -name aobj_se1.cfg | head -n 1)
[ -n "$aside" ] || fail "laptop 1's options were not kept aside: $(ls "$ana")"
[ "$(head -n 1 "$aside" | tr -d ' \r')" = 6 ] || fail "the options kept aside are not laptop 1's"
[ "$(lock_line 4)" != "$token1" ] || fail "laptop 1 gave back a lock that was no longer its own"
[ -f "$ana/aobj_lck.txt" ] || fail "laptop 1 removed laptop 2's lock"
echo "passed: one learner, two laptops of one name"
