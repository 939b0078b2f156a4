#!/usr/bin/env python3
"""Fills the translations of one .ts file from a table of "context|source" -> translation.

Usage: scripts/fill-translations.py resources/translations/vantoro-de-de.ts table.tsv
The table has one entry a line: context, source and translation separated by tabs, with "\\n"
standing for a line break. Entries already translated are overwritten; the rest stay as they are.
"""
import sys
import xml.etree.ElementTree as ET


def main():
    ts_path, table_path = sys.argv[1], sys.argv[2]
    table = {}
    with open(table_path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            context, source, translation = line.split("\t")
            unescape = lambda s: s.replace("\\n", "\n")
            table[(context, unescape(source))] = unescape(translation)
    tree = ET.parse(ts_path)
    filled = 0
    for ctx in tree.getroot().findall("context"):
        name = ctx.find("name").text
        for message in ctx.findall("message"):
            key = (name, message.find("source").text)
            if key in table:
                tr = message.find("translation")
                tr.text = table[key]
                tr.attrib.pop("type", None)
                filled += 1
    tree.write(ts_path, encoding="utf-8", xml_declaration=True)
    print(f"{ts_path}: {filled} translations filled")


if __name__ == "__main__":
    main()
