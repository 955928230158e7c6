#!/usr/bin/env bash
# Export and Find on a full database (65,530 records, 10 fields of 25 characters), each
# beside the plain tool doing the same work on the same data:
#   export: bench_export (File > Export of all fields) vs sqlite3 -csv of the same table,
#           each writing its file;
#   find:   one Find step with no hit over all fields vs grep -c -i over the database file.
#   bench/findexport/compare.sh [BUILD_DIR]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../../build}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

source "$here/../cpu_seconds.sh"

# The database: ten fields of 25 characters, every one filled by tabulo-cli's record generator.
python3 - "$work/Big.json" <<'PY'
import json, sys
fields = [{"name": "FIELD%02d" % i, "length": 25, "format": "*"} for i in range(1, 11)]
json.dump({"fields": fields, "generate": 65530}, open(sys.argv[1], "w"))
PY
"$build/tools/cli/tabulo-cli" create "$work/Big.json" "$work/Big"

# The same table in SQLite, loaded from the export itself so that both hold the same values.
"$build/bench/findexport/bench_export" "$work/Big" "$work/seed.csv"
columns=$(printf 'FIELD%02d TEXT,' 1 2 3 4 5 6 7 8 9 10)
sqlite3 "$work/Big.db" "CREATE TABLE records (RECNO INTEGER PRIMARY KEY, ${columns%,});"
sqlite3 "$work/Big.db" ".import --csv --skip 1 $work/seed.csv records"
rows=$(sqlite3 "$work/Big.db" "SELECT count(*) FROM records;")
[ "$rows" = 65530 ] || { echo "sqlite table holds $rows rows"; exit 1; }

export_tabulo=$(seconds "$build/bench/findexport/bench_export" "$work/Big" "$work/out.csv")
export_sqlite=$(seconds sqlite3 -csv -cmd ".output $work/sqlite.csv" "$work/Big.db" "SELECT * FROM records;")
find_tabulo=$("$build/bench/findexport/bench_find" "$work/Big" zqxj)
find_grep=$(seconds grep -c -i zqxj "$work/Big.Tbd" || true)

printf "%-8s %10s %10s %8s\n" task tabulo other ratio
printf "%-8s %9.3fs %9.3fs %7.2fx  (other: sqlite3 -csv)\n" export "$export_tabulo" \
    "$export_sqlite" "$(echo "$export_sqlite / $export_tabulo" | bc -l)"
printf "%-8s %9.3fs %9.3fs %7.2fx  (other: grep -c -i)\n" find "$find_tabulo" \
    "$find_grep" "$(echo "$find_grep / $find_tabulo" | bc -l)"
echo "CPU seconds, best of three; ratio = other / tabulo (above 1: tabulo is faster)."
echo "Export is timed as a whole process; Find as its search step alone."
