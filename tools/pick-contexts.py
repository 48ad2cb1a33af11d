#!/usr/bin/env python3
"""Keep only the named contexts of a Qt translation source (.ts).

Usage: pick-contexts.py INPUT.ts OUTPUT.ts CONTEXT...

A program that carries Qt's translation with it needs only the texts of the
controls it shows; the rest of Qt's texts would be downloaded for nothing.
Fails when a named context is missing, so that a renamed one is noticed.
"""
import sys
import xml.etree.ElementTree as ET


def main(source, target, *wanted):
    tree = ET.parse(source)
    root = tree.getroot()
    found = set()
    for context in root.findall("context"):
        name = context.findtext("name")
        if name in wanted:
            found.add(name)
        else:
            root.remove(context)
    missing = [name for name in wanted if name not in found]
    if missing:
        sys.exit(f"{source} has no context {', '.join(missing)}")
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__.split("\n\n")[1])
    main(*sys.argv[1:])
