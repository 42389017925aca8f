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

rm "$work/clips/kite_flying.wav"
"$clips" check --folder "$work/clips" >"$work/out" 2>/dev/null
[ $? -eq 1 ] && [ "$(wc -l < "$work/out")" -eq 1 ] && grep -q "missing kite_flying.wav" "$work/out" \
    || fail "check must report the missing sound in one line: $(cat "$work/out")"

"$clips" remove --folder "$work/clips" kite_flying 2>/dev/null || fail "remove failed"
[ -z "$(ls "$work/clips" | grep kite)" ] || fail "remove left files"
"$clips" remove --folder "$work/clips" kite_flying 2>/dev/null
[ $? -eq 1 ] || fail "removing a clip that is not there must fail"
exit 0
