# Finding the program's windows on the X display, for the end-to-end scripts.

# Prints the id of the visible window titled exactly $1, or fails.
visible_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .
}

# Waits up to 20 s for a visible window titled $1; prints its id.
wait_for_window() {
    for _ in $(seq 100); do
        visible_window "$1" && return 0
        sleep 0.2
    done
    echo "no window titled \"$1\" appeared" >&2
    return 1
}
