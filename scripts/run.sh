#!/usr/bin/env bash
# Builds the program and starts it on its built-in demo library.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/flickerbox/flickerbox
