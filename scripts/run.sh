#!/usr/bin/env bash
# Builds Tabulo and starts it on a copy of the contacts sample, so that using the
# program never changes the files in the repository. The copy is made once: what you
# type into it is still there the next time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target tabulo samples

workdir=build/run
mkdir -p "$workdir"
cp -n build/samples/*.Tbd "$workdir/"
cd "$workdir"
exec ../src/app/tabulo Contacts "$@"
