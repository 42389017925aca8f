#!/usr/bin/env bash
# Runs a command on an Xvfb server of its own. The server picks a free display
# number itself (-displayfd), so a display taken by something else on the
# machine, even one with no lock file, cannot be mistaken for ours.
# Usage: on_own_display.sh [Xvfb options --] command [args...]
set -euo pipefail

server_options=(-screen 0 1024x768x24)
if [[ "$1" == -* ]]; then
    server_options=()
    while [ "$1" != "--" ]; do server_options+=("$1"); shift; done
    shift
fi

fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -nolisten tcp "${server_options[@]}" 3>"$fifo_dir/display" 2>"$fifo_dir/server.log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$fifo_dir"' EXIT
trap 'exit 143' TERM INT  # a timeout still takes the server down with us

# the server writes its display number once it accepts connections
if ! read -r -t 30 number < "$fifo_dir/display"; then
    echo "Xvfb did not start:" >&2
    cat "$fifo_dir/server.log" >&2
    exit 1
fi
export DISPLAY=":$number"
"$@"
