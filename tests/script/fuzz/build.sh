#!/usr/bin/env bash
# Builds the interpreter fuzzer with clang's libFuzzer and AddressSanitizer.
#   tests/script/fuzz/build.sh OUT_DIR
# Run: OUT_DIR/vbs_fuzzer -max_total_time=600 -dict=tests/script/fuzz/vbs.dict CORPUS_DIR \
#        tests/script/fuzz/seeds tests/script/basics tests/script/statements
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
out="${1:-$root/build-fuzz}"
mkdir -p "$out"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$root/src" \
    "$root"/src/script/vbscript/*.cpp "$root"/src/script/vbscript/runtime/*.cpp \
    "$root/tests/script/fuzz/VbsFuzzer.cpp" -lpcre2-8 -o "$out/vbs_fuzzer"
