#!/usr/bin/env bash
# Times each benchmark program under vbsrun and under python3, side by side.
#   bench/script/compare.sh [PATH_TO_VBSRUN]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
vbsrun="${1:-$here/../../build/tools/vbsrun/vbsrun}"
source "$here/../cpu_seconds.sh"
printf "%-14s %10s %10s %8s\n" program vbsrun python3 ratio
echo "(CPU seconds, best of three)"
for vbs in "$here"/*.vbs; do
    name=$(basename "$vbs" .vbs)
    diff <("$vbsrun" "$vbs") <(python3 "$here/$name.py") > /dev/null ||
        { echo "$name: outputs differ"; exit 1; }
    v=$(seconds "$vbsrun" "$vbs")
    p=$(seconds python3 "$here/$name.py")
    printf "%-14s %9.3fs %9.3fs %7.2fx\n" "$name" "$v" "$p" "$(echo "$p / $v" | bc -l)"
done
echo "ratio = python3 time / vbsrun time (above 1: vbsrun is faster)"
