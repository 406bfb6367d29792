#!/usr/bin/env bash
# Prints the speed of two builds side by side, measured in one run on one
# machine: each figure is taken RUNS times, the builds alternating, and the
# median is printed (a shared machine's figures vary from run to run).
#
#   bench/compare/speed.sh BEFORE_BIN AFTER_BIN [RUNS]
#
# BEFORE_BIN and AFTER_BIN are release builds' bin/ folders; the data files of
# AFTER_BIN are used by both. Figures: the round trip's addresses per second of
# processor time (in-process), and `kovari-cli addr` over the round trip's
# addresses as a whole process (processor seconds).
set -euo pipefail
before=$(cd "$1" && pwd)
after=$(cd "$2" && pwd)
runs=${3:-5}
data=$after
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$here/make_inputs.py" "$after/../data/snapshot/KEN_ALL.CSV" \
  "$after/../data/snapshot/JIGYOSYO.CSV" "$work" > /dev/null
# The round trip's kind of address: every town area typed whole, with its prefecture.
awk 'NR % 3 == 1' "$work/addresses.txt" > "$work/whole.txt"

roundtrip() {  # the main pass's addresses per second of processor time (the rest is cut short)
  { stdbuf -oL "$1/kovari-roundtrip" --data "$data" 2>/dev/null || true; } |
    sed -n '/per second of processor time/{s/.*per second of processor time: \([0-9]*\).*/\1/p;q}'
}
cli_addr() {  # processor seconds of one whole `kovari-cli addr` process
  /usr/bin/time -f '%U %S' "$1/kovari-cli" addr --data "$data" < "$work/whole.txt" \
    2>&1 > /dev/null | awk '{printf "%.2f\n", $1 + $2}'
}
median() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

for kind in before after; do : > "$work/rt.$kind"; : > "$work/cli.$kind"; done
for ((i = 1; i <= runs; i++)); do
  for kind in before after; do
    bin=$before; [ "$kind" = after ] && bin=$after
    roundtrip "$bin" >> "$work/rt.$kind"
    cli_addr "$bin" >> "$work/cli.$kind"
  done
done
lines=$(wc -l < "$work/whole.txt")
for kind in before after; do
  rt=$(median < "$work/rt.$kind")
  cli=$(median < "$work/cli.$kind")
  awk -v k="$kind" -v rt="$rt" -v n="$lines" -v s="$cli" 'BEGIN {
    printf "%-6s round trip %s addresses per second of processor time; kovari-cli addr %d lines in %s s of processor time (%.0f per second)\n", k, rt, n, s, n / s
  }'
done
echo "medians of $runs runs each, the builds alternating"
