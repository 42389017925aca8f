#!/bin/bash
# flickerbox-clips add killed from outside. Killed before each rename it
# makes (under strace): the next add, or check, finds the clip lists whole,
# with every earlier clip, never a list of the new clip alone. Killed while
# converting: no ffmpeg it started goes on. Arguments: the program folder.
source "$(dirname "$0")/clip_script.sh"
command -v strace >/dev/null || { echo "strace is not installed"; exit 77; }
make_video "$work/kite.mp4" 0.8
demo=$(grep -c . "$program/aobj_sqc.seq")
add() { "$clips" add --folder "$work/clips" --category outside --title "$@" "$work/kite.mp4" >/dev/null 2>&1; }
# Every list holds all the demo clips and `extra` more, each of those listed in all three.
lists_hold() {
    for list in aobj_sqr.seq aobj_sqc.seq aobj_sqa.seq; do
        [ "$(grep -c . "$work/clips/$list")" -eq $((demo + $1)) ] || return 1
    done
}

killed=0
for n in $(seq 1 30); do
    rm -rf "$work/clips" && mkdir "$work/clips" && cp "$program"/aobj_sq?.seq "$work/clips/"
    calls=rename,renameat,renameat2
    strace -qq -o /dev/null -e trace=$calls -e inject=$calls:signal=KILL:when=$n \
        "$clips" add --folder "$work/clips" --category outside --title Killed "$work/kite.mp4" >/dev/null 2>&1
    [ $? -eq 0 ] && break
    killed=$((killed + 1))
    if [ $((n % 2)) -eq 0 ]; then
        "$clips" check --folder "$work/clips" >>"$work/said" 2>&1
        lists_hold 0 || lists_hold 1 || fail "killed at rename $n, check left: $(ls -a "$work/clips")"
    else
        add Next || fail "the add after the one killed at rename $n failed"
        lists_hold 1 || lists_hold 2 || fail "killed at rename $n, the next add left: $(wc -l "$work/clips"/*.seq)"
    fi
    ls -a "$work/clips" | grep -q 'replaced\|unfinished' && fail "killed at rename $n, left: $(ls -a "$work/clips")"
done
[ $killed -ge 8 ] || fail "only $killed renames were killed"
grep -q "put back as it was before" "$work/said" || fail "check did not tell what it put back: $(cat "$work/said")"

# Killed while converting: the converter goes with it.
make_video "$work/long.mp4" 20 1280x720
"$clips" add --folder "$work/clips" --category outside --title Long "$work/long.mp4" >/dev/null 2>&1 &
tool=$!
for _ in $(seq 200); do
    converter=$(pgrep -P $tool -x ffmpeg) && break
    sleep 0.1
done
[ -n "$converter" ] || fail "the add never started ffmpeg"
kill -KILL $tool
sleep 1
state=$(ps -o stat= -p "$converter")
[ -z "$state" ] || [[ "$state" == Z* ]] || fail "ffmpeg $converter still runs after its add was killed"
exit 0
