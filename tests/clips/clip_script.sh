# Sourced by the clip tool scripts, with the program folder as $1: the tool,
# a work folder that goes on exit, fail, and a short silent test video.
set -uo pipefail
program="$1"
clips="$program/flickerbox-clips"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }
# make_video PATH SECONDS [WIDTHxHEIGHT]
make_video() {
    ffmpeg -v error -f lavfi -i "testsrc2=size=${3:-160x120}:rate=25" -t "$2" -c:v libx264 -preset ultrafast \
        -pix_fmt yuv420p "$1" || fail "no test video"
}
