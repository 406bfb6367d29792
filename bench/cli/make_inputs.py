#!/usr/bin/env python3
"""Writes the inputs of the kovari-cli speed figures from the national snapshot.

make_inputs.py KEN_ALL.CSV JIGYOSYO.CSV OUT_DIR [LINES]

roundtrip.txt   prefecture + city + town for every town area with a plain name
                (no bracketed condition, not "以下に掲載がない場合"), UTF-8
batch_addr.csv  LINES (1,000,000) shuffled lines "number,address" in Shift-JIS:
                the town areas typed whole, with a block number, without the
                prefecture, and the office addresses, drawn at random
batch_code.csv  LINES shuffled lines "number,code" in Shift-JIS
"""
import csv
import random
import re
import sys
from pathlib import Path


def rows(path):
    with open(path, encoding="cp932", newline="") as f:
        yield from csv.reader(f)


def main():
    ken_all, jigyosyo, out = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
    lines = int(sys.argv[4]) if len(sys.argv) > 4 else 1_000_000
    out.mkdir(parents=True, exist_ok=True)
    roundtrip, addresses, codes = [], [], []
    for r in rows(ken_all):
        code, pref, city, town = r[2], r[6], r[7], r[8]
        if "（" not in town and "）" not in town and town != "以下に掲載がない場合":
            roundtrip.append(pref + city + town)
        town = re.sub(r"（.*", "", town)
        if town == "以下に掲載がない場合":
            town = ""
        addresses += [pref + city + town, pref + city + town + "１－２－３", city + town + "2-3"]
        codes.append(code)
    for r in rows(jigyosyo):
        addresses.append(r[3] + r[4] + r[5] + r[6])
        codes.append(r[7])
    rng = random.Random(20261209)
    (out / "roundtrip.txt").write_text("\n".join(roundtrip) + "\n", encoding="utf-8")
    picks = [rng.choice(addresses) for _ in range(lines)]
    batch_addr = [f"{i},{a}" for i, a in enumerate(picks, 1)]
    (out / "batch_addr.csv").write_bytes(("\r\n".join(batch_addr) + "\r\n").encode("cp932"))
    picks = [rng.choice(codes) for _ in range(lines)]
    batch_code = [f"{i},{c}" for i, c in enumerate(picks, 1)]
    (out / "batch_code.csv").write_bytes(("\r\n".join(batch_code) + "\r\n").encode("cp932"))


if __name__ == "__main__":
    main()
