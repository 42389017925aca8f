#!/bin/bash
# flickerbox-clips from a script: exit codes and output for add, list, check
# and remove on a fresh folder. Arguments: the program folder.
set -uo pipefail
clips="$1/flickerbox-clips"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }

ffmpeg -v error -f lavfi -i testsrc2=size=320x180:rate=24 -f lavfi -i sine -t 1.5 \
    -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac "$work/kite.mov" || fail "no test video"
mkdir "$work/clips"

"$clips" add --folder "$work/clips" --category outside "$work/kite.mov" 2>/dev/null
[ $? -eq 2 ] || fail "add without a title must be a usage error (2)"
"$clips" add --folder "$work/clips" --title Kite --category sky "$work/kite.mov" 2>"$work/err"
[ $? -eq 1 ] && grep -q "not one of the categories" "$work/err" || fail "an unknown category must fail with a message"
[ -z "$(ls "$work/clips")" ] || fail "a refused add changed the folder"

name=$("$clips" add --folder "$work/clips" --title "Kite, flying" --category outside "$work/kite.mov" 2>"$work/err") \
    || fail "add failed"
grep -q "kept in \"$work/clips/\"" "$work/err" || fail "add did not say where the clips are kept: $(cat "$work/err")"
[ "$name" = kite_flying ] || fail "add printed \"$name\""
[ "$("$clips" list --folder "$work/clips" 2>/dev/null)" = $'kite_flying\toutside\tKite, flying' ] || fail "list"
"$clips" check --folder "$work/clips" >"$work/out" 2>/dev/null || fail "check of a sound folder: $(cat "$work/out")"
"$clips" add --folder "$work/clips" --title "kite, FLYING" --category outside "$work/kite.mov" 2>"$work/err"
[ $? -eq 1 ] && grep -q 'already a clip called "kite, FLYING"' "$work/err" || fail "a second clip of one title: $(cat "$work/err")"

# Names beginning with a dash are files, never options of the helpers.
cp "$work/kite.mov" "$work/-kite.mov" && ffmpeg -v error -f lavfi -i sine -t 1 "$work/-name.wav"
(cd "$work" && "$clips" add --folder clips --title Dashed --category outside --voice -name.wav -- -kite.mov     >/dev/null 2>"$work/err") || fail "a video named with a dash: $(cat "$work/err")"

# The program's own files are no clips, even in a folder that holds them.
cp "$1/aobj_tv.jpg" "$1/timer.mpg" "$work/clips/"
for own in aobj_tv timer; do
    "$clips" remove --folder "$work/clips" $own 2>"$work/err"
    [ $? -eq 1 ] && grep -q "program's own" "$work/err" || fail "remove $own: $(cat "$work/err")"
done
[ -f "$work/clips/aobj_tv.jpg" ] && [ -f "$work/clips/timer.mpg" ] || fail "remove deleted the program's files"
rm "$work/clips/aobj_tv.jpg" "$work/clips/timer.mpg"
"$clips" remove --folder "$work/clips" dashed 2>/dev/null || fail "remove dashed"

# Several videos: a title that cannot be used names its file; the others are added.
mkdir "$work/batch" && cp "$work/kite.mov" "$work/batch/Dog 🐶.mov" && cp "$work/kite.mov" "$work/batch/cat.mov"
"$clips" add --folder "$work/clips" --category animals "$work/batch" >/dev/null 2>"$work/err"
[ $? -eq 1 ] && grep -q 'Dog 🐶.mov: The title cannot use the character "🐶" (U+1F436)' "$work/err" \
    || fail "a batch title: $(cat "$work/err")"
"$clips" remove --folder "$work/clips" cat 2>/dev/null || fail "the other video of the batch was not added"

# A desktop's platform setting never takes the tool's options (--title is also
# one of Qt's X options), and no display is needed.
name=$(QT_QPA_PLATFORM=xcb DISPLAY=:none "$clips" add --folder "$work/clips" --title Geometry --category outside \
    "$work/kite.mov" 2>"$work/err") || fail "add with QT_QPA_PLATFORM=xcb: $(cat "$work/err")"
[ "$name" = geometry ] || fail "add with QT_QPA_PLATFORM=xcb printed \"$name\""
QT_QPA_PLATFORM=xcb "$clips" remove --folder "$work/clips" geometry 2>/dev/null || fail "remove with QT_QPA_PLATFORM=xcb"

rm "$work/clips/kite_flying.wav"
"$clips" check --folder "$work/clips" >"$work/out" 2>/dev/null
[ $? -eq 1 ] && [ "$(wc -l < "$work/out")" -eq 1 ] && grep -q 'Clip "Kite, flying" (kite_flying): missing kite_flying.wav' "$work/out" \
    || fail "check must report the missing sound in one line: $(cat "$work/out")"

"$clips" remove --folder "$work/clips" kite_flying 2>/dev/null || fail "remove failed"
[ -z "$(ls "$work/clips" | grep kite)" ] || fail "remove left files"
"$clips" remove --folder "$work/clips" kite_flying 2>/dev/null
[ $? -eq 1 ] || fail "removing a clip that is not there must fail"
exit 0
