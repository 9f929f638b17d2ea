#!/usr/bin/env bash
# Every C++ source follows the project's .clang-format.
set -euo pipefail
cd "$1"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
clang-format --dry-run --Werror $files
echo "formatting ok"
