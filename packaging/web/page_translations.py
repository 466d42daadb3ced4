#!/usr/bin/env python3
"""Writes the page's texts in each language the program speaks, from the program's catalogues:
page_translations.js for page.js, and a manifest for each language, whose description a browser
shows when the site is installed as an app.

    page_translations.py OUT_DIR MANIFEST dicewright_de.ts dicewright_fr.ts ...
"""
import json
import os
import sys
import xml.etree.ElementTree as ET


def page_texts(path):
    root = ET.parse(path).getroot()
    texts = {}
    for context in root.iter("context"):
        if context.findtext("name") != "page":
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") is None and translation.text:
                texts[message.findtext("source")] = translation.text
    return root.get("language").split("_")[0], texts


def main(out_dir, manifest, *catalogues):
    with open(manifest, encoding="utf-8") as file:
        english = json.load(file)
    languages = {}
    for catalogue in catalogues:
        language, texts = page_texts(catalogue)
        languages[language] = texts
        translated = dict(english, lang=language)
        translated["description"] = texts.get(english["description"], english["description"])
        with open(os.path.join(out_dir, f"manifest-{language}.webmanifest"), "w",
                  encoding="utf-8") as file:
            json.dump(translated, file, ensure_ascii=False, indent=2)
            file.write("\n")
    with open(os.path.join(out_dir, "page_translations.js"), "w", encoding="utf-8") as file:
        file.write("// The page's texts in each language the program speaks, made by the build.\n")
        file.write("window.dicewrightPageTranslations = ")
        json.dump(languages, file, ensure_ascii=False, indent=1, sort_keys=True)
        file.write(";\n")


if __name__ == "__main__":
    main(*sys.argv[1:])
