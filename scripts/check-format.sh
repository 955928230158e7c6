#!/usr/bin/env bash
# Fails when a C++ source is not formatted as .clang-format says; `clang-format -i` on the
# files it names mends them.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
