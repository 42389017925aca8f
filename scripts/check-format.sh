#!/usr/bin/env bash
# Checks the layout of the C++ files the last change touched against
# .clang-format (all of them with --all). A merge counts as the whole of its
# branch, since its first parent is what the branch was merged into.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--all" ] || ! git rev-parse -q --verify HEAD~1 >/dev/null; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(git diff --name-only --diff-filter=d HEAD~1 -- '*.cpp' '*.h')
fi
[ ${#files[@]} -eq 0 ] && exit 0
if ! clang-format --dry-run -Werror "${files[@]}"; then
    echo "Lay these files out with: clang-format -i <file>" >&2
    exit 1
fi
