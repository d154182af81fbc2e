#!/usr/bin/env python3
"""Writes the seed inputs of the data file fuzzers from a built data folder.

usage: fuzz_seeds.py DATA_FOLDER CORPUS_ROOT

Each fuzzer starts from pieces of the real files, in the input layout its source file describes.
"""
import struct
import sys
from pathlib import Path


def records(data, size):
    return [data[i:i + size] for i in range(0, len(data) - len(data) % size, size)]


def category_of(record):
    return struct.unpack("<i", record[:4])[0]


def formula_file(x, formula, variables, angle_unit):
    record = bytearray(2884)
    record[0:len(x)] = x.encode()
    record[240:240 + len(formula)] = formula.encode()
    for i, text in enumerate(variables):
        record[1480 + 200 * i:1480 + 200 * i + len(text)] = text.encode()
    record[2880:2884] = struct.pack("<i", angle_unit)
    return bytes(record)


def main():
    data, root = Path(sys.argv[1]), Path(sys.argv[2])
    read = {name: (data / name).read_bytes() for name in
            ("cat.dat", "item.dat", "temp.dat", "curr.dat", "consts.dat", "element.dat", "list.dat")}
    categories = records(read["cat.dat"], 96)
    units = records(read["item.dat"], 488)

    def categories_of(ids):
        return b"".join(r for r in categories if category_of(r) in ids)

    def units_of(ids):
        return b"".join(r for r in units if category_of(r) in ids)

    temp, curr = read["temp.dat"], read["curr.dat"]
    unit_sets = [
        [read["cat.dat"], b"", units_of({1}), b"", temp[:192 * 8], curr[:120 * 8]],
        [categories_of({19, 28}), b"", units_of({19}), b"", temp, curr],
        [categories_of({17, 23, 25, 26, 27}), categories_of({2}), units_of({17, 23, 25}), units_of({2})[:488 * 2],
         b"", b""],
    ]
    consts, elements = read["consts.dat"], read["element.dat"]
    seeds = {
        "unit_files_fuzz": [struct.pack("<6H", *(len(f) for f in files)) + b"".join(files) for files in unit_sets],
        "list_files_fuzz": [struct.pack("<H", len(c)) + c + e for c, e in
                            ((consts[:240 * 30], elements[:1464 * 10]),
                             (consts[240 * 100:240 * 140], elements[1464 * 50:1464 * 60]))],
        "version_list_fuzz": [read["list.dat"]],
        "formula_file_fuzz": [
            formula_file("3", "x^2", [], 1),
            formula_file("30", "sin(x)*F+J/k", ["2.5", "m+1", "7", "4"], 2),
            formula_file("1", "F" * 1239, ["J" * 199, "K" * 199, "M" * 199, "1+"], 3),
            formula_file("1", "sqrt(_c_0)+U*V-Z", ["", "", "", "", "2", "3", "4"], 0) +
            formula_file("2", "x+1", [], 3),
        ],
    }
    for fuzzer, inputs in seeds.items():
        folder = root / fuzzer
        folder.mkdir(parents=True, exist_ok=True)
        for i, seed in enumerate(inputs, 1):
            (folder / f"seed_{i:02d}").write_bytes(seed)


if __name__ == "__main__":
    main()
