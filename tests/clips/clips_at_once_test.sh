#!/bin/bash
# flickerbox-clips adds started together on one folder: each lands whole in
# all three lists with files of its own; of two with one title, one is
# refused instead of overwriting the other; an add finding the folder busy
# says it waits. Arguments: the program folder and the number of rounds.
source "$(dirname "$0")/clip_script.sh"
for n in 1 2 3; do make_video "$work/v$n.mp4" 0.$((6 + n)); done
demo=$(grep -c . "$program/aobj_sqc.seq")

for round in $(seq "${2:-3}"); do
    fail() { echo "round $round: $*" >&2; exit 1; }
    rm -rf "$work/clips" && mkdir "$work/clips" && cp "$program"/aobj_sq?.seq "$work/clips/"
    pids=()
    for n in 1 2 3; do
        "$clips" add --folder "$work/clips" --title "Kite $n" --category outside "$work/v$n.mp4" >/dev/null 2>"$work/err$n" &
        pids+=($!)
    done
    "$clips" add --folder "$work/clips" --title "Kite 1" --category outside "$work/v2.mp4" >/dev/null 2>"$work/same" &
    same=$!
    for n in 2 3; do wait "${pids[n - 1]}" || fail "an add failed: $(cat "$work/err$n")"; done
    wait "${pids[0]}"; first=$?
    wait "$same"; second=$?
    [ $((first + second)) -eq 1 ] || fail "of two adds titled Kite 1, $((2 - first - second)) landed"
    grep -q 'already a clip called "Kite 1"' "$work/err1" "$work/same" || fail "the refusal was not told"
    for list in aobj_sqr.seq aobj_sqc.seq aobj_sqa.seq; do
        [ "$(grep -c . "$work/clips/$list")" -eq $((demo + 3)) ] || fail "$list lost a clip: $(tail -4 "$work/clips/$list")"
        for n in 1 2 3; do grep -q "^kite_$n,outside,\"Kite $n\"" "$work/clips/$list" || fail "kite_$n is not in $list"; done
    done
    [ "$(ls "$work/clips" | grep -c '\.mpg$')" -eq 3 ] || fail "clip files: $(ls "$work/clips")"
done

# An add finding the folder locked by another change waits for it and says so.
flock "$work/clips" sleep 3 &
sleep 0.5
"$clips" add --folder "$work/clips" --title "Kite 4" --category outside "$work/v1.mp4" >/dev/null 2>"$work/err" \
    || fail "an add waiting for the folder failed: $(cat "$work/err")"
grep -q "waiting for it to finish" "$work/err" || fail "the wait was not told: $(cat "$work/err")"
exit 0
