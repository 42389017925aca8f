#!/bin/bash
# flickerbox-clips on a full disk (a small memory file system of its own):
# an add that runs out of room at any step says the disk is full and changes
# nothing; remove still works, so room can be made. Needs the superuser to
# mount it. Arguments: the program folder.
set -uo pipefail
if [ "${IN_OWN_MOUNTS:-}" != yes ]; then
    [ "$(id -u)" -eq 0 ] && command -v unshare >/dev/null || { echo "needs the superuser"; exit 77; }
    IN_OWN_MOUNTS=yes exec unshare -m "$0" "$@"
fi
source "$(dirname "$0")/clip_script.sh"
disk="$work/disk"
trap 'umount "$disk" 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$disk" && mount -t tmpfs -o size=2m tmpfs "$disk" || { echo "a file system cannot be mounted here"; exit 77; }
make_video "$work/kite.mp4" 2 320x240
mkdir "$disk/clips" && cp "$program"/aobj_sq?.seq "$disk/clips/"
(cd "$disk/clips" && md5sum aobj_sq?.seq) >"$work/lists"
fill() { rm -f "$disk/filler"; dd if=/dev/zero of="$disk/filler" bs=4k count=$(( $(stat -f -c %a "$disk") - $1 )) 2>/dev/null; }

refused=0
for free in 4 16 48 96 160; do  # 4 kB blocks left, so that each step in turn runs out
    fill $free
    "$clips" add --folder "$disk/clips" --category outside --title "Kite $free" "$work/kite.mp4" >/dev/null 2>"$work/err" \
        && continue
    refused=$((refused + 1))
    grep -q "The disk is full" "$work/err" || fail "with $free blocks free the add said: $(cat "$work/err")"
    (cd "$disk/clips" && md5sum -c --quiet "$work/lists") || fail "with $free blocks free the lists changed"
    [ -z "$(ls -A "$disk/clips" | grep -v '^aobj_sq.\.seq$')" ] || fail "left behind: $(ls -A "$disk/clips")"
done
[ $refused -ge 3 ] || fail "only $refused adds ran out of room"

rm -f "$disk/filler"
"$clips" add --folder "$disk/clips" --category outside --title Kite "$work/kite.mp4" >/dev/null 2>&1 || fail "no room at all"
dd if=/dev/zero of="$disk/filler2" bs=4k 2>/dev/null
"$clips" remove --folder "$disk/clips" kite 2>"$work/err" || fail "remove on a full disk: $(cat "$work/err")"
ls "$disk/clips" | grep -qE '^kite(_first|_last)?\.' && fail "remove left kite's files: $(ls -A "$disk/clips")"
grep -q '^kite,' "$disk/clips"/*.seq && fail "remove left kite's records"
exit 0
