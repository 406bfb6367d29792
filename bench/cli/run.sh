#!/usr/bin/env bash
# Times kovari-cli as a whole process on the national data (a release build):
#
#   bench/cli/run.sh BIN_DIR [JOBS] [LINES]
#
# addr on every plain town name typed as prefecture + city + town (and with
# --jobs JOBS, where the program has it: the answers must be the same); batch-addr
# on LINES (1,000,000) shuffled addresses and batch-code on LINES codes, with
# --jobs 1 and --jobs JOBS (default: the number of cores). Prints wall and CPU
# seconds and the peak memory of each run, then whether --jobs 1 and --jobs
# JOBS wrote byte-identical files. The inputs are made from the snapshot the
# build extracted (BIN_DIR/../data/snapshot) into a temporary folder.
set -euo pipefail
bin=$(cd "$1" && pwd)
jobs=${2:-$(nproc)}
lines=${3:-1000000}
here=$(cd "$(dirname "$0")" && pwd)
snapshot=$bin/../data/snapshot
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/make_inputs.py" "$snapshot/KEN_ALL.CSV" "$snapshot/JIGYOSYO.CSV" "$work" "$lines"
cli=$bin/kovari-cli

# timed LABEL INPUT OUTPUT COMMAND...: runs COMMAND with its standard input and
# output redirected and prints the figures.
timed() {
  local label=$1 input=$2 output=$3; shift 3
  /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$@" < "$input" > "$output" 2> /dev/null
  read -r wall user sys kb < "$work/time"
  printf '%-28s %6.2f s wall %6.2f s cpu %8.1f MiB' "$label" "$wall" \
    "$(echo "$user + $sys" | bc)" "$(echo "scale=1; $kb / 1024" | bc)"
}

count=$(wc -l < "$work/roundtrip.txt")
timed "addr ($count lines)" "$work/roundtrip.txt" "$work/addr.tsv" "$cli" addr --data "$bin"
printf '  %s lines/s cpu\n' "$(echo "$count / ($user + $sys)" | bc)"
# addr --jobs JOBS, where the program has it: the same answers, side by side.
if "$cli" addr --help | grep -q -- '--jobs'; then
  timed "addr --jobs $jobs" "$work/roundtrip.txt" "$work/addr-$jobs.tsv" "$cli" addr --data "$bin" \
    --jobs "$jobs"
  printf '  %s lines/s cpu\n' "$(echo "$count / ($user + $sys)" | bc)"
  cmp -s "$work/addr.tsv" "$work/addr-$jobs.tsv" || { echo "addr: --jobs $jobs answers DIFFER"; exit 1; }
fi

for n in 1 "$jobs"; do
  timed "batch-addr --jobs $n" /dev/null /dev/null "$cli" batch-addr --data "$bin" --in "$work/batch_addr.csv" \
    --out "$work/addr-$n.csv" --items 2 --addr1 2 --yes --jobs "$n"
  echo
  timed "batch-code --jobs $n" /dev/null /dev/null "$cli" batch-code --data "$bin" --in "$work/batch_code.csv" \
    --out "$work/code-$n.csv" --items 2 --code-pos 2 --yes --message --jobs "$n"
  echo
done
for kind in addr code; do
  if cmp -s "$work/$kind-1.csv" "$work/$kind-$jobs.csv"; then
    echo "batch-$kind: --jobs 1 and --jobs $jobs outputs are byte-identical"
  else
    echo "batch-$kind: --jobs 1 and --jobs $jobs outputs DIFFER"
    exit 1
  fi
done
