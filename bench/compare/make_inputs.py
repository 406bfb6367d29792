#!/usr/bin/env python3
"""Writes the inputs of the output comparison from the national snapshot.

make_inputs.py KEN_ALL.CSV JIGYOSYO.CSV OUT_DIR

addresses.txt   every town area typed the ways people type it (whole, with a
                block number, without the prefecture), and every office address,
                in file order (so the conversions meet the same municipality
                many times in a row and also after others)
shuffled.txt    the same lines in a fixed shuffled order
codes.txt       every code, the same with a hyphen, leading digits, bad input
batch_addr.csv  100,000 shuffled lines "number,address" in Shift-JIS
batch_code.csv  100,000 shuffled lines "number,code" in Shift-JIS
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
    out.mkdir(parents=True, exist_ok=True)
    addresses, codes = [], []
    for r in rows(ken_all):
        code, pref, city, town = r[2], r[6], r[7], r[8]
        town = re.sub(r"（.*", "", town)
        if town == "以下に掲載がない場合":
            town = ""
        addresses.append(pref + city + town)
        addresses.append(pref + city + town + "１－２－３")
        addresses.append(city + town + "2-3")
        codes.append(code)
    for r in rows(jigyosyo):
        code, pref, city, town, street = r[7], r[3], r[4], r[5], r[6]
        addresses.append(pref + city + town + street)
        codes.append(code)
    rng = random.Random(20261209)
    distinct = sorted(set(codes))
    codes_in = list(distinct)
    codes_in += [c[:3] + "-" + c[3:] for c in distinct[::7]]
    codes_in += sorted({c[:n] for c in distinct[::53] for n in range(1, 7)})
    codes_in += ["", "12345678", "abc", "１０００００１", "100-00-01", "0000000", "9999999"]
    shuffled = list(addresses)
    rng.shuffle(shuffled)
    (out / "addresses.txt").write_text("\n".join(addresses) + "\n", encoding="utf-8")
    (out / "shuffled.txt").write_text("\n".join(shuffled) + "\n", encoding="utf-8")
    (out / "codes.txt").write_text("\n".join(codes_in) + "\n", encoding="utf-8")
    batch_addr = [f"{i},{a}" for i, a in enumerate(shuffled[:100000], 1)]
    (out / "batch_addr.csv").write_bytes(("\r\n".join(batch_addr) + "\r\n").encode("cp932"))
    picks = [rng.choice(distinct) for _ in range(100000)]
    batch_code = [f"{i},{c}" for i, c in enumerate(picks, 1)]
    (out / "batch_code.csv").write_bytes(("\r\n".join(batch_code) + "\r\n").encode("cp932"))


if __name__ == "__main__":
    main()
