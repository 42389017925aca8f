#!/usr/bin/env bash
# Runs the learner-turn soak on an X server of its own and plots its figures.
# Usage: tests/soak/run_soak.sh [turns] [output folder] [turns between visits to the menu]
#   from the project folder, after a full build (build/flickerbox, build/tests/soak/soak_run)
set -euo pipefail
turns=${1:-1000}
out=${2:-build/soak}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
status=0
FLICKERBOX_PROGRAM_DIR=$(pwd)/build/flickerbox QT_QPA_PLATFORM=xcb \
    "$here/../e2e/on_own_display.sh" build/tests/soak/soak_run "$turns" "$out/soak.csv" "${3:-50}" \
    | tee "$out/soak.log" || status=$?
if command -v gnuplot > /dev/null; then
    gnuplot -e "figures='$out/soak.csv'; picture='$out/soak.png'" "$here/soak_plot.gp"
    echo "plot: $out/soak.png"
fi
exit "$status"
