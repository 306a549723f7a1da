#!/usr/bin/env python3
"""Checks JSON Lines on standard input against shapes of a schema file.

    json_lines_check.py SCHEMA SHAPE[,SHAPE...] < lines

Every line must be strict UTF-8, end with a line end, and be one JSON object whose keys are
exactly those of one of the named shapes, in the shape's order, each value of its type. Prints
the number of lines of each shape; on the first fault prints the line's number and the fault
to standard error and exits 1.
"""

import json
import sys


def fail(number, reason):
    sys.stderr.write(f"line {number}: {reason}\n")
    sys.exit(1)


class Pairs(list):
    """An object's keys and values, in the order the line gives them."""


def pairs_without_repeats(pairs):
    keys = [key for key, _ in pairs]
    if len(set(keys)) != len(keys):
        raise ValueError(f"a key repeats: {keys}")
    return Pairs(pairs)


def fits(pairs, shape):
    if [key for key, _ in pairs] != [key for key, _ in shape]:
        return False
    for (_, value), (_, kind) in zip(pairs, shape):
        if kind == "integer":
            if type(value) is not int or value < 0:
                return False
        elif kind == "signed":
            if type(value) is not int:
                return False
        elif kind == "string":
            if type(value) is not str:
                return False
        elif value not in kind:
            return False
    return True


def main():
    with open(sys.argv[1], encoding="utf-8") as file:
        schema = json.load(file)
    names = sys.argv[2].split(",")
    counts = dict.fromkeys(names, 0)
    data = sys.stdin.buffer.read()
    if data and not data.endswith(b"\n"):
        fail(data.count(b"\n") + 1, "no line end after the last line")
    for number, raw in enumerate(data.splitlines(keepends=False), 1):
        try:
            text = raw.decode("utf-8", errors="strict")
            pairs = json.loads(text, object_pairs_hook=pairs_without_repeats)
        except (UnicodeDecodeError, ValueError) as error:
            fail(number, f"not one JSON value in UTF-8: {error}")
        if not isinstance(pairs, Pairs):
            fail(number, "not an object")
        matched = [name for name in names if fits(pairs, schema[name])]
        if len(matched) != 1:
            fail(number, f"fits none of {names}: {text}")
        counts[matched[0]] += 1
    print(" ".join(f"{name}={counts[name]}" for name in names))


if __name__ == "__main__":
    main()
