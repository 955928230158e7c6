#!/usr/bin/env bash
# tabulo-cli on the largest file a database may hold (65,530 records, ten fields of 25
# characters): CSV export side by side with sqlite3 -csv on the same table, in two shapes
# (the benchmark's typed-looking values and plain text), check, and the import of 10,000
# rows.
#   bench/cli/compare.sh [PATH_TO_TABULO_CLI]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cli="$(realpath "${1:-$here/../../build/tools/cli/tabulo-cli}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# CPU seconds (user + system) and wall seconds of a command, best of five: the machine may
# be shared, so the best run is the one least disturbed by other programs.
best() {
    local cpu="" wall="" c w
    for _ in 1 2 3 4 5; do
        read -r c w < <( { TIMEFORMAT='%U %S %R'; time "$@" > /dev/null; } 2>&1 |
                         awk '{print $1 + $2, $3}')
        if [ -z "$cpu" ] || [ "$(echo "$c < $cpu" | bc -l)" = 1 ]; then cpu=$c; fi
        if [ -z "$wall" ] || [ "$(echo "$w < $wall" | bc -l)" = 1 ]; then wall=$w; fi
    done
    echo "$cpu $wall"
}

"$cli" create "$here/bench.json" Bench
# The same ten fields as plain text: sqlite3 then stores every value as text, where the
# benchmark's own numbers, dates and times partly look like numbers to it.
python3 - "$here/bench.json" plain.json <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))
for field in d["fields"]: field["format"] = "*"
json.dump(d, open(sys.argv[2], "w"))
PY
"$cli" create plain.json Plain

printf "%-36s %9s %9s\n" "(best of five)" "CPU s" "wall s"
for table in Bench Plain; do
    "$cli" export $table --format sqlite -o $table.sqlite
    # Both hold the same rows (each program quotes in its own way, so compare the values).
    "$cli" export $table --format csv -o tabulo.csv
    sqlite3 -csv $table.sqlite "SELECT recno, deleted, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10 FROM $table" \
        > sqlite.csv
    python3 - <<'PY' || { echo "the two exports of $table differ"; exit 1; }
import csv, sys
ours = list(csv.reader(open("tabulo.csv", newline="")))[1:]
theirs = list(csv.reader(open("sqlite.csv", newline="")))
sys.exit(0 if ours == theirs and len(ours) == 65530 else 1)
PY
    read -r ours w < <(best "$cli" export $table --format csv -o out.csv)
    printf "%-36s %9.3f %9.3f\n" "tabulo-cli export --format csv $table" "$ours" "$w"
    read -r theirs w < <(best sqlite3 -csv $table.sqlite "SELECT * FROM $table")
    printf "%-36s %9.3f %9.3f   (CPU ratio %.2f; target: at most 1)\n" \
        "sqlite3 -csv (same table)" "$theirs" "$w" "$(echo "$ours / $theirs" | bc -l)"
done
read -r c w < <(best "$cli" check Bench)
printf "%-36s %9.3f %9.3f   (target: under 0.100)\n" "tabulo-cli check" "$c" "$w"

# 10,000 live rows of the export, appended to an empty copy of the same form.
"$cli" export Bench --format csv --live-only -o live.csv
head -n 10001 live.csv > rows.csv
python3 - "$here/bench.json" empty.json <<'PY'
import json, sys
d = json.load(open(sys.argv[1])); d.pop("generate"); json.dump(d, open(sys.argv[2], "w"))
PY
import_once() { "$cli" create --force empty.json Empty && "$cli" import Empty rows.csv; }
read -r c w < <(best import_once)
printf "%-36s %9.3f %9.3f   (rows/s: %.0f by CPU, %.0f by wall time; target: 20,000)\n" \
    "tabulo-cli import of 10,000 rows" "$c" "$w" "$(echo "10000 / $c" | bc -l)" \
    "$(echo "10000 / $w" | bc -l)"
echo "CPU time is the figure to compare on a busy machine; wall time adds the waiting."
