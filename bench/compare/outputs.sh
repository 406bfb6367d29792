#!/usr/bin/env bash
# Converts the comparison inputs with the programs of one build and writes every
# output into one folder, so that two builds can be compared byte for byte:
#
#   bench/compare/outputs.sh BIN_DIR OUT_DIR
#   diff -r OUT_DIR_BEFORE OUT_DIR_AFTER
#
# BIN_DIR is a build's bin/ folder (programs and data files). The inputs are made
# from the snapshot the build extracted (BIN_DIR/../data/snapshot).
set -euo pipefail
bin=$(cd "$1" && pwd)
out=$2
here=$(cd "$(dirname "$0")" && pwd)
snapshot=$bin/../data/snapshot
inputs=$out/inputs
mkdir -p "$out" "$inputs"
python3 "$here/make_inputs.py" "$snapshot/KEN_ALL.CSV" "$snapshot/JIGYOSYO.CSV" "$inputs"
cli=$bin/kovari-cli

"$cli" addr --data "$bin" < "$inputs/addresses.txt" > "$out/addr.tsv"
"$cli" addr --data "$bin" < "$inputs/shuffled.txt" > "$out/addr-shuffled.tsv"
"$cli" addr --data "$bin" --fuzzy --detail-pass --hyphen < "$inputs/shuffled.txt" > "$out/addr-options.tsv"
"$cli" code --data "$bin" < "$inputs/codes.txt" > "$out/code.tsv"
"$cli" code --data "$bin" --hyphen < "$inputs/codes.txt" > "$out/code-hyphen.tsv"

batch_addr() {
  local name=$1; shift
  "$cli" batch-addr --data "$bin" --in "$inputs/batch_addr.csv" --out "$out/$name.csv" \
    --items 2 --addr1 2 --yes "$@" | grep -v -E '/s|秒|ms' > "$out/$name.summary" || true
}
batch_addr batch-addr
batch_addr batch-addr-latest4 --latest-address 4 --hyphen --message
batch_addr batch-addr-latest1 --latest-address 1
"$cli" batch-code --data "$bin" --in "$inputs/batch_code.csv" --out "$out/batch-code.csv" \
  --items 2 --code-pos 2 --yes --message | grep -v -E '/s|秒|ms' > "$out/batch-code.summary" || true

# The figures programs: everything but their timing lines.
"$bin/kovari-roundtrip" --data "$bin" --examples 100000 | grep -v -E 'per second|/s|seconds|ms\b' > "$out/roundtrip.txt"
"$bin/kovari-accuracy" --data "$bin" --examples 100000 | grep -v -E 'per second|/s|seconds|ms\b' > "$out/accuracy.txt"
echo "outputs written to $out"
