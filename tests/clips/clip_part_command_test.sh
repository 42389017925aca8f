#!/bin/bash
# flickerbox-clips add with the part of the video to keep: --from and --to
# in seconds or minutes:seconds make a clip of that length, a time that is
# not one is a usage error, and a video over two minutes is turned down with
# the options named. Arguments: the program folder.
set -uo pipefail
clips="$1/flickerbox-clips"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }
seconds() { ffprobe -v error -show_entries format=duration -of csv=p=0 "$1"; }

ffmpeg -v error -f lavfi -i testsrc2=size=180x320:rate=10 -f lavfi -i sine -t 130 \
    -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac "$work/lesson.mp4" || fail "no test video"
mkdir "$work/clips"
add() { "$clips" add --folder "$work/clips" --category outside "$@"; }

add --title Lesson "$work/lesson.mp4" >/dev/null 2>"$work/err"
[ $? -eq 1 ] && grep -q "lasts 2:10, and a clip may last at most 2 minutes" "$work/err" \
    && grep -q -- "--from and --to" "$work/err" || fail "a long video must ask for a part: $(cat "$work/err")"
add --title Lesson --from 1:75 "$work/lesson.mp4" >/dev/null 2>"$work/err"
[ $? -eq 2 ] && grep -q -- '--from "1:75" is not a time' "$work/err" || fail "a bad time: $(cat "$work/err")"
add --title Lesson --from 20 --to 0:15 "$work/lesson.mp4" >/dev/null 2>"$work/err"
[ $? -eq 2 ] || fail "--to before --from must be a usage error: $(cat "$work/err")"
[ -z "$(ls "$work/clips")" ] || fail "a refused add changed the folder"

add --title Lesson --from 1:02.5 --to 67.5 "$work/lesson.mp4" >/dev/null 2>"$work/err" || fail "add: $(cat "$work/err")"
awk -v s="$(seconds "$work/clips/lesson.mpg")" 'BEGIN { exit !(s > 4.9 && s < 5.15) }' \
    || fail "the clip lasts $(seconds "$work/clips/lesson.mpg") s instead of 5"
grep -q '^lesson,outside,"Lesson",5' "$work/clips/aobj_sqc.seq" || fail "the record: $(cat "$work/clips/aobj_sqc.seq")"
exit 0
