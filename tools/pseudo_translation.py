#!/usr/bin/env python3
"""Writes the test language, en_XA: every English text lengthened by 40% and accented, as in
"[ŜŦÉP 8 ···]", so that a caption cut short, or a text that never reaches the translations,
shows in a test or a screenshot before a translator meets it.

    tools/pseudo_translation.py ALL.ts ENGLISH.ts OUT.ts

ALL.ts is a catalogue that lupdate keeps with every text of the program (the German one);
ENGLISH.ts gives the English plural forms of the counted texts.
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

# Each letter with an accented twin in Latin-1 or Latin Extended-A, which the program's faces
# carry; the others stay as they are.
ACCENTED = dict(zip(
    "ACDEGHIJKLNORSTUWYZacdeghijklnorstuwyz",
    "ÄÇĎÉĜĤÎĴĶĻÑÖŔŠŦÜŴÝŽåçďéĝĥîĵķļñöŕšŧüŵýž"))
# Placeholders and line breaks stay as they are.
KEPT = re.compile(r"(%\d+|%n|\n)")


def pseudo(text, is_letter=False):
    if is_letter:
        return ACCENTED.get(text, text)
    parts = KEPT.split(text)
    accented = "".join(p if KEPT.fullmatch(p) else "".join(ACCENTED.get(c, c) for c in p)
                       for p in parts)
    return "[" + accented + " " + "·" * math.ceil(0.4 * len(text)) + "]"


def english_plurals(path):
    forms = {}
    for message in ET.parse(path).getroot().iter("message"):
        if message.get("numerus") == "yes":
            forms[message.findtext("source")] = [
                f.text for f in message.find("translation").findall("numerusform")]
    return forms


def main(every, english, out):
    plurals = english_plurals(english)
    tree = ET.parse(every)
    root = tree.getroot()
    root.set("language", "en")
    root.set("sourcelanguage", "en_US")
    for message in root.iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for form in plurals.get(source, [source, source]):
                ET.SubElement(translation, "numerusform").text = pseudo(form)
        else:
            translation.text = pseudo(source, message.findtext("comment") == "die letter")
    ET.indent(tree, space="    ")
    with open(out, "w", encoding="utf-8") as file:
        file.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        file.write(ET.tostring(root, encoding="unicode"))
        file.write("\n")


if __name__ == "__main__":
    main(*sys.argv[1:4])
