#!/usr/bin/env python3
"""Writes the English texts of translations/english.tsv into translations/orvan_en.ts.

Every message whose Greek source has a line in the table gets that English, marked finished; one
without a line is left unfinished (Qt then shows the Greek). With --check nothing is written, and
the exit status is 1 when a message would be left unfinished or the table's English drops or adds
a %1-style placeholder.
"""
import argparse
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

ROOT = pathlib.Path(__file__).resolve().parent.parent
ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\"}
PLACEHOLDER = re.compile(r"%\d")


def unescape(text):
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(0)), text)


def read_table(path):
    table = {}
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line or line.startswith("#"):
            continue
        greek, tab, english = line.partition("\t")
        if not tab or not english:
            sys.exit(f"{path}:{number}: a line is Greek, a tab and English")
        table[unescape(greek)] = unescape(english)
    return table


def text_of(element):
    """The text of a .ts element, with the characters lupdate writes as <byte value="xd"/>."""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--table", type=pathlib.Path, default=ROOT / "translations/english.tsv")
    parser.add_argument("--ts", type=pathlib.Path, default=ROOT / "translations/orvan_en.ts")
    parser.add_argument("--check", action="store_true")
    arguments = parser.parse_args()

    table = read_table(arguments.table)
    problems = [f"placeholders differ: {greek!r}" for greek, english in table.items()
                if sorted(PLACEHOLDER.findall(greek)) != sorted(PLACEHOLDER.findall(english))]
    tree = ElementTree.parse(arguments.ts)
    filled = 0
    for context in tree.getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") in ("obsolete", "vanished"):
                continue
            source = text_of(message.find("source"))
            english = table.get(source)
            if english is None:
                translation.set("type", "unfinished")
                problems.append(f"no English for {context.findtext('name')}: {source!r}")
                continue
            if arguments.check and (translation.text != english.replace("\r\n", "\n")
                                    or "type" in translation.attrib):
                problems.append(f"not filled in yet: {source!r}")
            # A carriage return would not survive as XML text; the line ends stay.
            english = english.replace("\r\n", "\n")
            translation.text = english
            translation.attrib.pop("type", None)
            filled += 1
    for problem in problems:
        print(problem, file=sys.stderr)
    if arguments.check:
        return 1 if problems else 0
    # No re-indenting: a source holding <byte/> elements would take the indent into its text.
    body = ElementTree.tostring(tree.getroot(), encoding="unicode")
    arguments.ts.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n",
                            encoding="utf-8")
    print(f"{filled} messages filled, {len(problems)} problems", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
