#!/usr/bin/env bash
# Builds the Debian packages, installs them into this machine and runs the
# installed program as a throw-away normal user under Xvfb: the menu appears
# without a message, the options land in the user's own folder, a clip the
# administrator put in the site library and one the user added both play,
# and purging leaves no file behind outside the users' folders.
# Needs root (it installs packages); exits 77 (skipped) otherwise.
# Usage: installed_for_a_pupil.sh <build folder to package> [screenshot folder]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != "--inside-display" ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "skipped: installing packages needs root" >&2
        exit 77
    fi
    if dpkg-query -W flickerbox >/dev/null 2>&1 || dpkg-query -W flickerbox-data >/dev/null 2>&1; then
        echo "the packages are already installed here; not touching them" >&2
        exit 1
    fi
    build=$(cd "$1" && pwd)
    shots=${2:-}
    (cd "$here/../.." && scripts/package.sh "$build") >/dev/null
    exec "$here/on_own_display.sh" "$0" --inside-display "$build/packages" "$shots"
fi
packages=$2
shots=$3

fail() { echo "FAILED: $*" >&2; exit 1; }

work=$(mktemp -d)
chmod 755 "$work"
user=fbpupil$$
home=$work/home
site=$work/site
pid=""
# The processes of the throw-away user: what the test started as the pupil.
pupil_processes() { pgrep -u "$user" 2>/dev/null | paste -sd' ' || true; }
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    local left
    left=$(pupil_processes)
    [ -z "$left" ] || kill -9 $left 2>/dev/null || true
    userdel "$user" 2>/dev/null || true
    dpkg --purge flickerbox flickerbox-data >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

dpkg -i "$packages"/flickerbox_*.deb "$packages"/flickerbox-data_*.deb >/dev/null \
    || fail "the packages did not install"
useradd --no-create-home --home-dir "$home" --shell /bin/sh "$user"
mkdir -p "$home" "$work/run"
printf 'pcm.!default { type null }\n' > "$home/.asoundrc"  # sound plays to nothing
chown -R "$user" "$home" "$work/run"
chmod 700 "$work/run"  # what a login session gives the user

# The administrator's site library, named in a configuration file of this
# test's own so nothing outside it is changed: every pupil's first options
# (the mouse, speed measured, only vehicles) and one magenta clip of its own.
mkdir -p "$work/xdg/flickerbox" "$site"
echo "site-library = $site" > "$work/xdg/flickerbox/flickerbox.conf"
{ for v in 6 1 0 2 0 1 1 1; do printf ' %s \r\n' "$v"; done
  for v in 0 0 0 0 0 0 0 0 0 1; do printf ' %s \r\n' "$v"; done; } > "$site/aobj_se1.cfg"
ffmpeg -v error -f lavfi -i color=c=magenta:s=352x240:d=4 -f lavfi -i sine=d=4 -shortest "$work/site.mp4"
ffmpeg -v error -f lavfi -i color=c=lime:s=352x240:d=4 -f lavfi -i sine=d=4 -shortest "$work/mine.mp4"
chmod 644 "$work"/*.mp4
export XDG_CONFIG_DIRS=$work/xdg
flickerbox-clips add --folder "$site" --title "Site bus" --category vehicles "$work/site.mp4" >/dev/null 2>&1 \
    || fail "the administrator could not add a clip to the site library"
for name in $(flickerbox-clips list --folder "$site" | awk -F'\t' '$2 == "vehicles" && $1 != "site_bus" {print $1}'); do
    flickerbox-clips remove --folder "$site" "$name" 2>/dev/null || fail "removing $name from the site list"
done

# Each run as the pupil gets a session bus of its own, as a desktop session
# has one: without it the D-Bus library would launch one whose socket lands
# in /tmp. Like a desktop's, it listens in the user's runtime folder; it
# activates no services, and it ends when the command does.
cat > "$work/session-bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work/run</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
chmod 644 "$work/session-bus.conf"
as_pupil() {
    setpriv --reuid "$user" --regid "$(id -g "$user")" --init-groups \
        env -i HOME="$home" XDG_RUNTIME_DIR="$work/run" DISPLAY="$DISPLAY" XDG_CONFIG_DIRS="$XDG_CONFIG_DIRS" \
        PATH=/usr/bin:/bin PULSE_SERVER=unix:/nonexistent \
        dbus-run-session --config-file="$work/session-bus.conf" -- "$@"
}
# Nothing a run as the pupil started may outlive it.
expect_no_pupil_processes() {
    local left
    for _ in $(seq 25); do
        left=$(pupil_processes)
        [ -n "$left" ] || return 0
        sleep 0.2
    done
    fail "processes of the pupil outlived $1: $(ps -o pid=,args= -p "${left// /,}" 2>/dev/null | tr '\n' ';')"
}
command=$(sed -n 's/^Exec=//p' /usr/share/applications/org.flickerbox.Flickerbox.desktop)
source "$here/x_windows.sh"

shot() { [ -z "$shots" ] || import -window root "$shots/$1.png"; }
# The share of the screen in colour $1, in 0..1.
colour_share() {
    import -window root "$work/screen.png"
    /usr/bin/convert "$work/screen.png" -fuzz 25% -fill black +opaque "$1" -fill white -opaque "$1" -format '%[fx:mean]' info:
}
wait_for_colour() {
    for _ in $(seq 40); do
        awk -v s="$(colour_share "$1")" 'BEGIN { exit !(s > 0.05) }' && return 0
        sleep 0.25
    done
    return 1
}
wait_for_end() {
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; return $?; }
        sleep 0.2
    done
    fail "the program did not end"
}
escape_in() {
    local id
    id=$(wait_for_window "$1") || fail "no window \"$1\""
    sleep 0.5
    xdotool windowfocus --sync "$id" key Escape
}
no_message() {
    sleep 3
    if visible_window "Flickerbox II" >/dev/null; then
        shot message
        fail "a message appeared: $1"
    fi
}

# First start: the menu comes without a message; Esc Esc saves the options.
as_pupil $command & pid=$!
wait_for_window "Options" >/dev/null || fail "the menu window did not appear"
no_message "at the first start"
shot menu-first-start
escape_in "Options"
escape_in "Credits"
wait_for_end "$pid" || fail "the program ended with status $?"
expect_no_pupil_processes "the first start"
cmp "$site/aobj_se1.cfg" "$home/.local/share/flickerbox/aobj_se1.cfg" \
    || fail "the options were not saved in the user's folder as they were chosen"
[ "$(stat -c %U "$home/.local/share/flickerbox/aobj_se1.cfg")" = "$user" ] || fail "the settings are not the user's"

# The pupil's teacher adds a clip for this account only.
as_pupil flickerbox-clips add --title "My bus" --category vehicles "$work/mine.mp4" >/dev/null 2>"$work/said" \
    || fail "the clip tool failed: $(cat "$work/said")"
grep -q "$home/.local/share/flickerbox/" "$work/said" || fail "the clip tool did not say where the clip is kept"
[ -f "$home/.local/share/flickerbox/my_bus.mpg" ] || fail "the clip was not added to the user's folder"
expect_no_pupil_processes "the clip tool"

# Second start: the options are found again, both clips play on the installed program.
as_pupil $command & pid=$!
wait_for_window "Options" >/dev/null || fail "the menu window did not appear again"
no_message "at the second start"
sleep 2  # the buttons come after the gong
xdotool mousemove $((1024 / 2 - 100)) $(((768 - 250) / 6 + 250 + 50 + 48)) click 1
for colour in magenta lime; do
    played=no
    for _ in $(seq 10); do
        xdotool mousemove 200 600 click 1
        if wait_for_colour "$colour"; then played=yes; break; fi
    done
    [ "$played" = yes ] || { shot "missing-$colour"; fail "the $colour clip did not play"; }
    shot "playing-$colour"
    sleep 4.5  # until the clip has ended
done
escape_in "Flickerbox II"
escape_in "Options"
escape_in "Credits"
wait_for_end "$pid" || fail "the program ended with status $?"
expect_no_pupil_processes "the second start"
[ "$(sed -n 5p "$home/.local/share/flickerbox/aobj_se1.cfg" | tr -d ' \r')" != 0 ] \
    || fail "the clip reached was not saved"

# Nothing of the user's was written outside their folder, and purging takes
# every installed file away.
left=$(find /tmp /var/tmp /dev/shm /run /etc /usr /opt -user "$user" \
    -not -path "$home" -not -path "$home/*" -not -path "$work/run*" 2>/dev/null || true)
[ -z "$left" ] || fail "the user's session wrote outside their folder: $left"
dpkg -L flickerbox flickerbox-data > "$work/installed"
dpkg --purge flickerbox flickerbox-data >/dev/null || fail "purge failed"
while read -r path; do
    if [ -e "$path" ] && { [ ! -d "$path" ] || [[ "$path" == *flickerbox* ]]; }; then
        fail "purging left $path"
    fi
done < "$work/installed"
echo "installed program works for a normal user; purge left nothing behind"
